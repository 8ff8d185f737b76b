// What every kind shares: function numbers, names, copies, and the text helpers of the base.
#include <gtest/gtest.h>

#include <memory>

#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/outputs/blc.h"
#include "elements/outputs/brx.h"
#include "elements/outputs/brx_lk.h"
#include "elements/outputs/brx_par.h"
#include "elements/outputs/brx_pk.h"
#include "elements/outputs/hrn.h"
#include "elements/outputs/hva.h"
#include "elements/outputs/lk.h"
#include "elements/outputs/ls.h"
#include "elements/outputs/pk.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/wio.h"
#include "elements/outputs/wmi.h"
#include "elements/outputs/wou.h"
#include "elements/outputs/xgn.h"
#include "elements/outputs/xgn30.h"
#include "elements/outputs/xrm.h"
#include "lang/kodowanie.h"
#include "wspolne/srodowisko.h"

namespace {

struct Rodzaj {
    std::shared_ptr<ElementSystemu> obiekt;
    int zapis, odczyt;
    const char* nazwa; // UTF-8
};

TEST(Rodzaje, FunctionNumbersAndNames) {
    Srodowisko s;
    const Rodzaj rodzaje[] = {
        {std::make_shared<Element>(3, 17), 115, 163, "Element liniowy: Nr linii:3; Nr el.:17"},
        {std::make_shared<Strefa>(12), 116, 164, "Strefa nr 12"},
        {std::make_shared<Wio>(7), 117, 165, "WIO nr 7"},
        {std::make_shared<Pk>(2), 118, 166, "PK nr 2"},
        {std::make_shared<Ls>(4), 118, 166, "LS nr 4"},
        {std::make_shared<Lk>(5), 118, 166, "LK nr 5"},
        {std::make_shared<Blc>(0), 122, 170, "BLC"},
        {std::make_shared<Brx>(), 122, 170, "BRX"},
        {std::make_shared<Wou>(9, 3), 132, 169, "WOU nr 9"},
        {std::make_shared<Hrn>(11), 133, 177, "HRN nr 11"},
        {std::make_shared<Hva>(12), 133, 177, "HVA/HLT nr 12"},
        {std::make_shared<Wmi>(13, 8), 134, 178, "WMI nr 13"},
        {std::make_shared<BrxPk>(2, 16), 135, 179, "BRX2 PK nr 16"},
        {std::make_shared<BrxLk>(3, 11), 135, 179, "BRX3 LK nr 11"},
        {std::make_shared<BrxPar>(4), 135, 179, "BRX4 - PARAMETRY CZASOWE"},
        {std::make_shared<Xgn>(1), 139, 183, "XGN 200 nr 1"},
        {std::make_shared<Xgn30>(2), 140, 184, "XGN 300 nr 2"},
        {std::make_shared<Xrm>(3), 142, 187, "XRM 300 nr 3"},
        {std::make_shared<Stos>(), 141, 185, "Stos przypisań"},
    };
    for (const auto& r : rodzaje) {
        EXPECT_EQ(r.obiekt->podajNrFunkcjiZapisu(), r.zapis) << r.nazwa;
        EXPECT_EQ(r.obiekt->podajNrFunkcjiOdczytu(), r.odczyt) << r.nazwa;
        EXPECT_EQ(naUtf8(r.obiekt->podajNazwe(), 1250), r.nazwa);
    }
}

TEST(Rodzaje, EditorsWorkOnCopies) {
    Srodowisko s;
    Wou kopia = *s.c().wou[10];
    EXPECT_EQ(kopia.podajNumer(), 2);
    EXPECT_EQ(kopia.podajWyjscie(), 3);
    *s.c().wou[0] = kopia;
    EXPECT_EQ(s.c().wou[0]->podajWyjscie(), 3);
    Element e = *s.c().elementyLinii[200];
    EXPECT_EQ(e.podajNazwe(), s.c().elementyLinii[200]->podajNazwe());
}

TEST(TekstyRekordow, PolishLettersTravelInCodePage852) {
    Srodowisko s;
    const std::string w1250 = utf8NaStronaKodowa("ŚŹśźŁĄ§ŻłążÁÄĆÉĘÍŃÓŐÖÚŰÜßáäćéęíńóőöúűü", 1250);
    const std::string w852(
        "\x97\x8D\x98\xAB\x9D\xA4\xF5\xBD\x88\xA5\xBE\xB5\x8E\x8F\x90\xA8\xD6\xE3\xE0\x8A\x99\xE9"
        "\xEB\x9A\xE1\xA0\x84\x86\x82\xA9\xA1\xE4\xA2\x8B\x94\xA3\xFB\x81");
    EXPECT_EQ(ElementSystemu::kodujTekst(w1250), w852);
    EXPECT_EQ(ElementSystemu::dekodujTekst(w852), w1250);
    // Other bytes pass unchanged, 0xAE included.
    EXPECT_EQ(ElementSystemu::kodujTekst("orv\xAENXA \x8A\x80 ABC"), "orv\xAENXA \x8A\x80 ABC");
    EXPECT_EQ(ElementSystemu::dekodujTekst(std::string(300, 'x')).size(), 256u);
}

TEST(Opisy, AssignedZonesCell) {
    Srodowisko s;
    EXPECT_EQ(naUtf8(ElementSystemu::opisStref(3, 12, 0), 1250), "Strefy:   3  -  12 ");
    EXPECT_EQ(naUtf8(ElementSystemu::opisStref(7, 7, 2), 1250), "Strefa:   7         Centrala:2");
    EXPECT_EQ(naUtf8(ElementSystemu::opisStref(9, 4, 0), 1250), "Strefa:   9        ");
}

TEST(Opisy, AssignedInputsCell) {
    Srodowisko s;
    EXPECT_EQ(naUtf8(ElementSystemu::opisWejsc(5, 0x05, 64), 1250),
              "WIO:  5  Wejścia:1   3          ");
    EXPECT_EQ(naUtf8(ElementSystemu::opisWejsc(12, 0x80, 66), 1250),
              "orv®NXA: 12  Wejścia:              8");
}

} // namespace
