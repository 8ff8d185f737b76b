// Built-in Polish window texts (numbers 1001 and above) as the language object hands them out
// under "polish": fetched by number, in Windows-1250, and compared in UTF-8.

#include <gtest/gtest.h>

#include <string>

#include "lang/kodowanie.h"
#include "lang/language.h"

namespace {

struct OczekiwanyTekst {
    int numer;
    const char* tekst; // UTF-8
};

// At least two texts of every window block that holds texts (one where the block has only one).
// Chosen to catch: Polish letters, accelerator markers, conversions, doubled and edge blanks,
// texts spelt as the windows show them, and neighbouring numbers whose texts look alike.
constexpr OczekiwanyTekst probki[] = {
    // block 1: main window
    {1001, "Konfiguracja central systemu Merak 7000"},
    {1004, "&Plik"},
    {1005, "Odczyt konfiguracji z pliku"},
    {1007, "&Zakończ"},
    {1024, "Odczyt pamięci"},
    {1025, "Odczyt pamięci zdarzeń"},
    {1028, "&Połącz z centralą"},
    {1033, "O &Programie"},
    {1036, "Zapisz  plik konfiguracyjny"},
    {1041, "MERAK 7400"},
    {1047, "Deklaracja linii dozorowych"},
    {1058, "Centrale XRM"},
    // block 2: transmission progress window
    {2001, "Odczytywanie danych z centrali"},
    {2002, "Wysyłanie danych do centrali"},
    // block 3: zones editor
    {3001, "Strefy dozorowe"},
    {3008, "&Następna >>"},
    {3009, "<< &Poprzednia"},
    {3011, "Ilość elementów:"},
    // block 7: zone details window
    {7001, "Strefa nr %d"},
    // block 10: about window
    {10003, "Program do konfiguracji central systemu MERAK 7000"},
    {10004, "Wersja %s"},
    // block 11: data error window
    {11002, "Nieprawidłowy zakres danych !"},
    {11004, "Pomiń element"},
    // block 12: file error window
    {12001, "Błąd pliku"},
    {12002, "Nieprawidłowy format lub uszkodzony plik !"},
    // block 14: communication error
    {14001, "Błąd komunikacji"},
    {14002, "Wystąpił błąd w tranmisjii danych !"},
    {14003, "Wznów transmisję"},
    // block 15: access error
    {15002, "Brak dostępu do centrali !"},
    {15003, "- zablokowana konfiguracja z komputera."},
    // block 16: no-communication error
    {16002, "Brak komunikacji z centralą!"},
    {16003, "Zakończ"},
    {16004, "Wznów transmisję"},
    // block 17: transmission finished
    {17001, "Transmisja zakończona"},
    {17002, "Transmisja zakończona!"},
    {17005, "Zakończ z zapisem"},
    // block 18: transmission interrupted
    {18001, "Transmisja przerwana"},
    {18002, "Uwaga! Operacja przesłania danych nie została zakończona!"},
    // block 19: send-configuration choice window
    {19002, "Czy chcesz przesłać konfigurację do centrali? "},
    {19010, "Strefy dozorowe"},
    {19018, "Elementy HVA/HLT"},
    {19019, "Ustawienia >>"},
    {19020, " << Ukryj    "},
    {19032, "Wszystkie"},
    // block 21: event and alarm memory reading
    {21002, "Odczyt pamięci alarmów z centrali"},
    {21005, "&Odczyt"},
    {21009, "Numer ostatniego czytanego  zdarzenia:"},
    // block 22: user message window
    {22001, "Strefa dozorowa nr %d - komunikat użytkownika"},
    {22004, "Linia kontrolna BRX - komunikat alarmu technicznego"},
    {22007, "Anuluj"},
    // block 23: connection window
    {23001, "Łączenie z centralą"},
    {23004, "Łączenie z centralą..."},
    {23005, "Praca bez centrali"},
    // block 32: WIO-input criteria list
    {32001, "Elementy WIO wybrane jako kryterium zadziałania wyjścia WIO nr %d"},
    // block 34: zone criteria list
    {34001, "Strefy wybrane jako kryterium zadziałania wyjścia WIO nr %d"},
    {34020, "XGN: %d, BTZ nr %d. Strefy przypisane do wyjścia PK%d."},
    {34028, "XRM: %d, Strefy przypisane do wyjścia LS %d."},
    // block 35: printout choice window
    {35001, "Wybór elementów do wydruku"},
    {35015, "Tylko niepuste"},
    // block 37: program version window
    {37001, "Informacje o wersji programu"},
    {37002, "OK"},
    // block 38: panel choice window
    {38001, "Wybór centrali"},
    {38003, "MERAK 7400"},
    {38004, "MERAK 7600"},
    {38006, "Ok"},
    // block 39: configuration printout window
    {39001, "Wydruk ustawień elementów systemu MERAK 7000"},
    {39004, "Drukuj do &pliku"},
    // block 40: event memory printout window
    {40001, "centrala"},
    {40003, "Zapisz do pliku &XML"},
    // block 41: transmission window
    {41004, "&Zakończ"},
    // block 42: line elements editor
    {42001, "Elementy liniowe"},
    // block 43: serial port settings window
    {43001, "Ustawienia Portu RS-232"},
    {43003, "Szybkość transmisjii"},
    // block 46: duplicate logical number warning
    {46001, "Ostrzeżenie"},
    {46002, "Uwaga! Numer logiczny %d  jest już przypisany."},
    {46004, "przypisania w elemencie %s linia %d element %d."},
    // block 50: save-before-exit window
    {50002, "Uwaga! Dane niezapisane!"},
    {50004, "Bez zapisu"},
    // block 51: cancel-changes warning
    {51001, "Uwaga! Zmiany będą anulowane!"},
};

TEST(TekstyOkien, PolskieTekstyWbudowaneWedlugNumeru) {
    Language jezyk;
    for (const auto& p : probki) {
        EXPECT_EQ(naUtf8(jezyk.podajTekst(p.numer, "0"), 1250), std::string(p.tekst)) << p.numer;
    }
}

} // namespace
