// The program: the start window first, then the calculation window; closing the start
// window ends it.
#include <cstdio>
#include <cstring>

#include <QApplication>

#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "scenario/program_info.h"
#include "scenario/scenario.h"
#include "sprache/sprache.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("zarv %s\n", zarv::kVersion);
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::printf("usage: zarv [--version] [--help]\n"
                  "Opens the start window: language, vehicle class, preset, then START.\n"
                  "Every run writes Zarv_500.txt to the current folder. See zarv(1).\n");
      return 0;
    }
  }
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);

  zarv::Scenario record;
  zarv::MessageBoxSink startMessages;
  zarv::MessageBoxSink messages;
  zarv::TForm1 form1(record, startMessages);
  zarv::TForm2 form2(record, messages);
  startMessages.setParent(&form1);
  messages.setParent(&form2);
  form1.setCalcWindow(&form2);
  QObject::connect(&form1, &zarv::TForm1::closed, &app, &QApplication::quit);

  form1.show();
  return app.exec();
}
