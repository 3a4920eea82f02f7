#pragma once

#include <array>

#include <QPointer>
#include <QWidget>

#include "scenario/scenario.h"

class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zarv {

class MessageSink;
class TForm2;

// The start window: language, vehicle class and preset example; START opens the
// calculation window, closing this window ends the program.
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  TForm1(Scenario& record, MessageSink& messages, QWidget* parent = nullptr);

  // The calculation window this window opens; MAIN and QUIT there come back here.
  void setCalcWindow(TForm2* form2);

  void RadioSprachClick();
  void RadioWahlClick();
  void WahlRUClick();
  void WahlENClick();
  void ListBoxProjectilClick();
  void ListBoxFallschirmClick();
  void ListBoxBallonClick();
  void ListBoxGliderClick();
  void ListBoxLandekapselClick();
  void ListBoxLauncherClick();
  void BitBtn1Click();  // START: opens the calculation window, or asks for a preset
  void Button1Click();  // QUIT

  // MAIN in the calculation window: back at the language step, nothing selected.
  void ShowAfterMain();

  // The radio button of item `index` of a radio group (nullptr outside the group).
  static QRadioButton* Item(QGroupBox* group, int index);

  int StartLanguage = 0;  // 1 Russian, 2 German, 3 English
  int StartClass = 0;     // 1..8

  // Controls, named as on the form.
  QLabel* Image2;
  QPlainTextEdit* Memo1;
  QLabel *Label1, *Image1;
  QGroupBox *RadioSprach, *RadioWahl, *WahlRU, *WahlEN;
  QFrame *Panel1, *Panel3, *Panel4;
  QListWidget *ListBoxProjectil, *ListBoxFallschirm, *ListBoxBallon, *ListBoxGlider,
      *ListBoxLandekapsel, *ListBoxLauncher;
  QPushButton *Button1, *BitBtn1;

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildLanguageStep();
  void BuildClassLists();
  void BuildPresetLists();
  void ClassChosen(QGroupBox* list);
  void PresetClicked(QListWidget* list, int vehicleClass);
  QListWidget* PresetListOf(int vehicleClass) const;
  std::array<QListWidget*, 6> PresetListBoxes() const;
  static void ClearSelection(QGroupBox* group);
  // Whether START has a preset to open for the class chosen in this pass.
  bool PresetReady() const;

  Scenario& record_;
  MessageSink& messages_;
  QPointer<TForm2> form2_;
  bool centred_ = false;
};

}  // namespace zarv
