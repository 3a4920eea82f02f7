#include "haupt/window_texts.h"

namespace zarv {

namespace {

constexpr WindowTexts kTexts{
    // usageTerms
    {"Условия использования\n\n"
     "Программа предназначена для учебных и оценочных расчётов траекторий летательных "
     "аппаратов. Модель точечной массы над плоской Землёй в стандартной атмосфере даёт "
     "приближённые результаты; они не заменяют проектных расчётов и испытаний.\n\n"
     "Программу можно свободно использовать и передавать дальше без изменений. Авторы не "
     "отвечают за решения, принятые на основе результатов расчёта.",
     "Nutzungsbedingungen\n\n"
     "Das Programm dient der Lehre und der Abschätzung von Flugbahnen. Das Modell eines "
     "Massenpunkts über einer flachen Erde in der Standardatmosphäre liefert Näherungen; "
     "es ersetzt weder eine Auslegungsrechnung noch einen Versuch.\n\n"
     "Das Programm darf unverändert frei genutzt und weitergegeben werden. Die Autoren "
     "haften nicht für Entscheidungen, die auf seinen Ergebnissen beruhen.",
     "Terms of use\n\n"
     "This program is meant for teaching and for first estimates of flight trajectories. "
     "Its point-mass model over a flat Earth in the standard atmosphere gives "
     "approximations; it does not replace design calculations or tests.\n\n"
     "You may use and pass on the program freely as long as it is unchanged. The authors "
     "take no responsibility for decisions based on its results."},
    // troubleshooting
    {"Если результат выглядит неверно:\n\n"
     "1. Измените шаг интегрирования (обычно уменьшите его в 2-10 раз) и повторите расчёт.\n"
     "2. Проверьте исходные данные: массу, площадь, коэффициенты, начальные и конечные "
     "условия и их единицы.\n"
     "3. Если ошибка остаётся, сообщите о проблеме авторам: приложите исходные данные и "
     "файл Zarv_500.txt.",
     "Wenn ein Ergebnis falsch aussieht:\n\n"
     "1. Ändern Sie den Integrationsschritt (meist 2- bis 10-mal kleiner) und rechnen Sie "
     "erneut.\n"
     "2. Prüfen Sie die Eingabedaten: Masse, Fläche, Beiwerte, Anfangs- und "
     "Endbedingungen und ihre Einheiten.\n"
     "3. Bleibt der Fehler, melden Sie das Problem den Autoren mit den Eingabedaten und "
     "der Datei Zarv_500.txt.",
     "If a result looks wrong:\n\n"
     "1. Change the integration step (usually 2 to 10 times smaller) and run again.\n"
     "2. Check the input data: mass, area, coefficients, initial and terminal conditions "
     "and their units.\n"
     "3. If the fault remains, report the problem to the authors with the input data and "
     "the file Zarv_500.txt."},
    // savePicture
    {"Сохранить рисунок", "Bild speichern", "Save picture"},
    // copyPicture
    {"Копировать рисунок", "Bild kopieren", "Copy picture"},
    // fileWriteFailed
    {"Не удалось записать файл \"%1\": %2",
     "Die Datei \"%1\" kann nicht geschrieben werden: %2",
     "Cannot write the file \"%1\": %2"},
    // fieldNotANumber
    {"Поле \"%1\": \"%2\" не является числом. Расчёт не запущен.",
     "Feld \"%1\": \"%2\" ist keine Zahl. Die Rechnung wurde nicht gestartet.",
     "Field \"%1\": \"%2\" is not a number. The run has not started."},
    // notANumber
    {"\"%1\" не является числом: расчёт не начнётся, пока здесь нет числа.",
     "\"%1\" ist keine Zahl: die Rechnung startet erst, wenn hier eine Zahl steht.",
     "\"%1\" is not a number: the run will not start until this field holds one."},
    // runBusy
    {"Расчёт траектории...", "Flugbahn wird berechnet...", "Computing the trajectory..."},
    // cancelRun
    {"Отмена (Esc)", "Abbrechen (Esc)", "Cancel (Esc)"},
    // runCancelled
    {"Расчёт отменён.", "Die Rechnung wurde abgebrochen.", "The run was cancelled."},
    // chartShowsRun
    {"На графике прежний расчёт: %1", "Die Grafik zeigt die vorige Rechnung: %1",
     "The chart shows the previous run: %1"},
    // chartShowsEarlierRun
    {"На графике прежний расчёт.", "Die Grafik zeigt die vorige Rechnung.",
     "The chart shows the previous run."},
};

}  // namespace

const WindowTexts& Texts() { return kTexts; }

}  // namespace zarv
