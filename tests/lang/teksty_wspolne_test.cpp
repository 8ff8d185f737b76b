// Built-in Polish shared texts (numbers 100 to 999) as the language object hands them out under
// "polish": fetched by number, in Windows-1250, and compared in UTF-8.

#include <gtest/gtest.h>

#include <string>

#include "lang/kodowanie.h"
#include "lang/language.h"

namespace {

struct OczekiwanyTekst {
    int numer;
    const char* tekst; // UTF-8
};

// A few texts of every range of numbers that holds texts, and more of the printout headings and
// row templates, whose blanks and bars must stay in their columns. Chosen to catch: Polish
// letters, leading, trailing and doubled blanks, conversions and percent signs, line breaks,
// spellings kept as the panel shows them, and neighbouring numbers whose texts look alike.
constexpr OczekiwanyTekst probki[] = {
    // status line and file messages
    {101, " Praca bez centrali "},
    {103, " Brak odpowiedzi (0 bajtów) !"},
    {105, " Błąd komunikacji - Nieprawidłowa ramka ! "},
    {110, "STANDARDOWY KOMUNIKAT STREFY    DOZOROWEJ NR %-4d"},
    // zone alarm variants (doubled blanks kept)
    {115, "Alarmowanie jednostopniowe zwykłe."},
    {119, "Alarmowanie dwustopniowe  - z jednokrotnym kasowaniem ostrzegacza 40/60sek."},
    {127,
     "Alarmowanie dwustopniowe - z koincydencją grupową w celu przyspieszenia alarmu II stopnia."},
    {130, "Alarmowanie dwustopniowe - ze wstępnym kasowaniem strefy, oraz koincydencją "
          "dwu-ostrzegaczową, w celu przyspieszenia alarmu II stopnia."},
    // WIO default messages and variants
    {132, "WIO NR %-3d  WEJ.1 USZK. NIEMASK."},
    {136, "Brak zadziałania WIO (nieczynny)."},
    {141, "Kryterium zadziałania: od sumy alarmów II stopnia w przypisanych strefach.."},
    {144, "Kryterium zadziałania: uszkodzenie ogólne niemaskowlne w centrali."},
    // WOU and WMI variants, default messages
    {151, "Brak zadziałania (wyjście zawsze niewysterowane)."},
    {153, "Kryterium : suma alarmów I stopnia w przypisanych strefach."},
    {158, "Brak kontroli."},
    {161, "STAND. KOMUNIKAT ALARMU TECHN.  "},
    {162, "STAND. KOMUNIKAT USZK. NIEMASK. LINII KONTROLNEJ NR  %-2d         "},
    {163, "STAND. KOMUNIKAT ALARMU TECHN.  LINII KONTROLNEJ NR  %-2d         "},
    // control-line and output types and variants
    {165, "Kontrola zadziałania."},
    {172, "Wyjście sygnalizacji uszkodzeniowej (do urządzenia transmisji sygnałów uszkodz)."},
    {175, "Przekaźnik uszkodzenia zaprogramowany na stałe. Wysterowany jeśli centrala znajduje się "
          "w stanie uszkodzenia."},
    {177, "Kryterium zadziałania: alarm pożarowy I stopnia w centrali."},
    {180, "Kryterium zadziałania: alarm pożarowy II stopnia w przypisanych strefach."},
    {191, "Kryterium zadziałania: alarm techniczny ogólny w centrali."},
    {209, "Kryterium zadziałania: uszkodzenie WMI: wejścia 1-8."},
    {210, "Kryterium zadziałania: alarm techniczny WMI: wejścia 1-8."},
    {212, "Kryterium zadziałania: stan blokowania w przypisanych strefach."},
    // extension-package control-line messages
    {218, "STAND. KOMUNIKAT ALARMU TECHN.  LINII UNIWERSALNEJ NR           "},
    // device type names and mode lists
    {220, "KFA-213"},
    {226, "KFM-210"},
    {231, "KFR-201"},
    {239, "Niezadeklarowany"},
    {240, "123"},
    {252, "12356789"},
    {266, "123456789"},
    {281, "123456789A"},
    // mode descriptions
    {246, "Podwyższona czułość m=0,2 dB/m -12%"},
    {247, "Obniżona czułość m=0,2 dB/m +12%"},
    {257, "A2S"},
    {265, "Tylko sensor płomienia - do celów uruchomieniowych"},
    {275,
     "Linia boczna zakończona rezystorem 13k. Całkowity pobór prądu przez adapter <6,8mA. Pobór "
     "prądu przez elementy w linii bocznej, w stanie dozorowania nie może przekraczać 1mA."},
    {280, "Tryb przeznaczony do współpracy z czujkami szeregu 20. Linia boczna zakończona "
          "rezystorem 33k. Całkowity pobór prądu przez adapter <1,33mA.Pobór prądu przez elementy "
          "w linii bocznej, w stanie dozorowania nie może przekraczać 300uA."},
    {284, "Nie dotyczy aktualnego typu."},
    // bit-field texts
    {285, "A"},
    {290, "Tp=0s"},
    {298, "TAK-130s"},
    {300, "S/P  (0,25s/0,25s)"},
    // printout headings and row templates
    {287, "|  %d  |   %-3d  | %-10s | %s |    %-3d   |  -  |  -  |\n"
          "| Tryb pracy:                                                     |\n"
          "|  Kontrola ciągłości linii sterującej:%-27s|\n"
          "|  Opóźnienie załączenia  przekaźnika :%-27s|\n"
          "|  WEJ 1-kontrola wysterowania        :%-27s|\n"
          "|  WEJ 2-kontrola wysterowania        :%-27s|\n"
          "|  WEJ 1-sposób działania             :%-27s|\n"
          "|  WEJ 2-sposób działania             :%-27s|\n"
          "|-----------------------------------------------------------------|\n"},
    {304, "|---------------------------STREFY DOZOROWE----------------------------|\n"
          "|  Numer  |  Wariant  | Liczba elem.|            Komunikat             |\n"
          "| strefy  |alarmowania|  w strefie  |           użytkownika            |\n"
          "|----------------------------------------------------------------------|\n"},
    {305,
     "|  %-2d   |PRZEKAŹNIK USZKODZENIA |    %.2d:%.2d   |              ---               |\n"},
    {306, "|---------------------------WYJŚCIA PRZEKAŹNIKOWE PK--------------------------|\n"
          "| Numer |   Typ   |   Wariant   | Opóźnienie |          Przypisane            |\n"
          "|  PK   | wyjścia | zadziałania |            |        strefy/elementy         |\n"
          "|-----------------------------------------------------------------------------|\n"},
    {308, "|   %d   |    %d      |   %s   |   %s   |Kom.uszkodzenia niemaskowalnego:  |\n"
          "|       |           |         |         | %s |\n"
          "|       |           |         |         | %s |\n"
          "|       |           |         |         |Kom. alarmu technicznego:         |\n"
          "|       |           |         |         | %s |\n"
          "|       |           |         |         | %s |\n"
          "|--------------------------------------------------------------------------|\n"},
    {309, "|---------------------WYJŚCIA KONTROLNE LK (linie kontrolne)---------------|\n"
          "| Numer |  Wariant  |  Grupa  |  Numer  |            Komunikaty            |\n"
          "|  LK   |zadziałania|k.wyjścia|k.wyjścia|                                  |\n"
          "|--------------------------------------------------------------------------|\n"},
    {310, "|----------------------ELEMENTY LINIOWE---------------------------|\n"
          "|Numer| Numer  |    Typ     |    Numer     |Nr strefy/|Grupa|Tryb |\n"
          "|linii|elementu|  elementu  |  fabryczny   |Nr log.   |     |pracy|\n"
          "|-----------------------------------------------------------------|\n"},
    {315, "|-------------------------------ELEMENTY HRN----------------------------|\n"
          "|Numer|Numer| Numer  | Typ |  Wariant  |          Przypisane            |\n"
          "| Hrn |linii|elementu|     |zadziałania|        strefy/elementy         |\n"
          "|-----------------------------------------------------------------------|\n"},
    // element names
    {316, "Strefa nr "},
    {319, "LK nr "},
    {322, " - PARAMETRY CZASOWE"},
    {324, "Element liniowy: Nr linii:"},
    {325, "; Nr el.:"},
    {331, "PK "},
    {332, "LS "},
    // questions, grid headings, messages
    {333, "Uwaga! Przy zmianie języka wszystkie dane zostaną utracone!!! "},
    {336, "Lp."},
    {341, "Wejście 2"},
    {359, "Sterfa"},
    {363, "Błąd alokacji pamięci dla  buforDanych"},
    {366, "CENTRALA MERAK 7800"},
    {369, "CENTRALA MERAK 7400"},
    {371, "Uwaga! Przy zmianie typu centrali wszystkie dane zostaną utracone! "},
    {375, "Data odczytu: "},
    {376, "Czas odczytu: "},
    // XGN 200 messages, status and list texts
    {378, "USZK. NIEMASK. PRZEKAŹNIKA P1   "},
    {383, "ALARM TECHNICZNY PRZEKAŹNIKA P3 "},
    {385, " Nieprawidłowy typ centrali !"},
    {387, "Linia %d  Element %d  %s"},
    {390, "Przekroczony rozmiar stosu przypisań!\nW tej wersji centrali maksymalny rozmiar wynosi "
          "10000."},
    {392, "  Wszystkie w grupie"},
    {394, "Strefa:%4d       "},
    {396, "  Wejścia:%c %c %c %c %c %c %c %c"},
    {399, "orv®NXA:%3d"},
    // WMI fault message, KFJ, KFL and KFS modes, XGN 300 module messages
    {403, "WMI NR %-3d  WEJ.%d USZK. NIEMASK."},
    {404, " Błąd komunikacji z portem szeregowym!"},
    {406, "Tryb interaktywny. Aktywne sensory dymu. Aktywne sensory ciepła."},
    {411, "Próg zadziałania (18%)"},
    {415, "KFJ-310"},
    {423, "Tryb 10"},
    {425, "USZKODZ. NIEMASK. BQA-%d         "},
    {429, "USZKODZ. NIEMASK. BTZ-%d PK%d     "},
    {430, "ALARM TECHNICZNY  BTZ-%d PK%d     "},
    {436, "Kryterium : iloczyn alarmów II stopnia w przypisanych strefach (k/n)."},
    {468, "Równoważny czujce dymu O_IR."},
    // XRM 300 texts and XGN 300 unit row
    {469, "XRM 300 nr "},
    {470, "XRM 300 WEJŚCIE LK%d           "},
    {473,
     "| %-3d |  %d  |  %-3d   |   BJE   |   -   |  %-4d|              ---                 |%-32s|\n"
     "|     |     |        |         |       |      |                                  |%-32s|\n"},
    // HVA/HLT and multi-sensor detectors
    {501, "|-----------------------------ELEMENTY HVA/HLT--------------------------|\n"
          "|Numer|Numer| Numer  | Typ |  Wariant  |          Przypisane            |\n"
          "|     |linii|elementu|     |zadziałania|        strefy/elementy         |\n"
          "|-----------------------------------------------------------------------|\n"},
    {502, "HVA/HLT nr "},
    {503, "|  %d  |   %-3d  | %-10s | %s |    %-3d   |  -  |  -  |\n"
          "| Tryb pracy:                                                     |\n"
          "|  Sewkencja    :%-49s|\n"
          "|  Głośność     :%-49s|\n"
          "|  Kontrola zasilania bateryjnego :%-31s|\n"
          "|  Kontrola zasilania zewnętrznego:%-31s|\n"
          "|-----------------------------------------------------------------|\n"},
    {514, "KFD-310"},
    {519, "KFP-301"},
    {522, "|  %d  |   %-3d  | %-10s | %s |    %-4d  |  %s  |  -  |\n"
          "| Tryb pracy:                                                     |\n"
          "|  Sensor dymu IR       :%-41s|\n"
          "|  Sensor dymu UV       :%-41s|\n"
          "|  Sensor ciepła        :%-41s|\n"
          "|  Sensor CO            :%-41s|\n"
          "|  Interakcja sensorów  :%-41d|\n"
          "|  Czułość sensorów     :%-41s|\n"
          "|-----------------------------------------------------------------|\n"},
    {527, "KFJ-310N"},
    {531, "XRM-300"},
    {537, "Alarm pożarowy"},
    // KFE mode 1 has no built-in text: a request without a default gives an empty text
    {267, ""},
};

TEST(TekstyWspolne, PolskieTekstyWbudowaneWedlugNumeru) {
    Language jezyk;
    for (const auto& p : probki) {
        EXPECT_EQ(naUtf8(jezyk.podajTekst(p.numer, "0"), 1250), std::string(p.tekst)) << p.numer;
    }
}

} // namespace
