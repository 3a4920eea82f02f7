// The program: the start window first, then the calculation window; closing the start
// window ends it.
#include <QApplication>

#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "scenario/scenario.h"
#include "sprache/sprache.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);

  zarv::Scenario record;
  zarv::MessageBoxSink messages;
  zarv::TForm1 form1(record);
  zarv::TForm2 form2(record, messages);
  messages.setParent(&form2);
  form1.setCalcWindow(&form2);
  QObject::connect(&form1, &zarv::TForm1::closed, &app, &QApplication::quit);

  form1.show();
  return app.exec();
}
