// The line element's XML fragment of every device with a record of its own, reporting the
// channels and modules that the records declare.
#include <gtest/gtest.h>

#include "wspolne/konfiguracja_pelna.h"
#include "wspolne/srodowisko.h"

namespace {

TEST(FragmentyUrzadzen, ChannelAndModuleListsComeFromTheRecords) {
    Srodowisko s(4);
    wypelnijKonfiguracje(s.c());
    struct Przypadek {
        const char* urzadzenie;
        const char* xml;
    };
    // Line 1, addresses 1..8 of the filled configuration: logical number 1 of each kind, every
    // record in use (WOU output 1 and WMI input 1 only; XGN 300 with BQA 1 and 2, BTZ 1, BKV).
    const Przypadek przypadki[] = {
        {"WIO",
         "<line_element><id>01014001</id><type>64</type><line>1</line><element_nr>1</element_nr>"
         "<serial_nr>40 00 00 00 00 00 </serial_nr><mode>1</mode><logical_nr>1</logical_nr><inputs>"
         "<input><nr>1</nr><id>11014001</id></input><input><nr>2</nr><id>21014001</id></input>"
         "</inputs><outputs><output><nr>1</nr><id>11014001</id></output></outputs></line_element>"},
        {"WOU",
         "<line_element><id>01024101</id><type>65</type><line>1</line><element_nr>2</element_nr>"
         "<serial_nr>41 00 00 00 00 00 </serial_nr><mode>1</mode><logical_nr>1</logical_nr>"
         "<outputs><output><nr>1</nr><id>11024101</id></output></outputs></line_element>"},
        {"WMI",
         "<line_element><id>01034201</id><type>66</type><line>1</line><element_nr>3</element_nr>"
         "<serial_nr>42 00 00 00 00 00 </serial_nr><mode>1</mode><logical_nr>1</logical_nr><inputs>"
         "<input><nr>1</nr><id>11034201</id></input></inputs></line_element>"},
        {"HRN",
         "<line_element><id>01045001</id><type>80</type><line>1</line><element_nr>4</element_nr>"
         "<serial_nr>50 00 00 00 00 00 </serial_nr><mode>1</mode><logical_nr>1</logical_nr>"
         "<outputs><output><nr>1</nr><id>11045001</id></output></outputs></line_element>"},
        {"HVA",
         "<line_element><id>01055101</id><type>81</type><line>1</line><element_nr>5</element_nr>"
         "<serial_nr>51 00 00 00 00 00 </serial_nr><mode>1</mode><logical_nr>1</logical_nr>"
         "<outputs><output><nr>1</nr><id>11055101</id></output></outputs></line_element>"},
        {"XGN 200",
         "<line_element><id>01066001</id><type>96</type><line>1</line><element_nr>6</element_nr>"
         "<serial_nr>60 00 00 00 00 00 </serial_nr><mode>1</mode><logical_nr>1</logical_nr><zone>1"
         "</zone><outputs><output><nr>1</nr><id>11066001</id></output><output><nr>2</nr>"
         "<id>21066001</id></output><output><nr>3</nr><id>31066001</id></output></outputs>"
         "</line_element>"},
        {"XGN 300",
         "<line_element><id>01076101</id><type>97</type><line>1</line><element_nr>7</element_nr>"
         "<serial_nr>61 00 00 00 00 00 </serial_nr><mode>1</mode><logical_nr>1</logical_nr>"
         "<modules><module><type>112</type><id>00017001</id></module><module><type>113</type><nr>1"
         "</nr><id>00017101</id></module><module><type>113</type><nr>2</nr><id>00017102</id>"
         "</module><module><type>114</type><nr>1</nr><id>00017201</id></module><module><type>114"
         "</type><nr>5</nr><id>00017205</id></module></modules></line_element>"},
        {"XRM",
         "<line_element><id>01086701</id><type>103</type><line>1</line><element_nr>8</element_nr>"
         "<serial_nr>67 00 00 00 00 00 </serial_nr><mode>1</mode><logical_nr>1</logical_nr>"
         "</line_element>"},
    };
    for (std::size_t i = 0; i < std::size(przypadki); ++i) {
        std::string xml;
        s.c().elementyLinii[i]->zapiszXML(xml, 2);
        EXPECT_EQ(xml, przypadki[i].xml) << przypadki[i].urzadzenie;
    }
}

TEST(FragmentyUrzadzen, UnusedRecordsEmptyTheListsButKeepThem) {
    Srodowisko s(4);
    wypelnijKonfiguracje(s.c());
    s.c().wio[0]->ustalWariant(0);
    s.c().hrn[0]->ustalTyp(0);
    s.c().xgn[0]->ustalWariant(0);
    std::string wio, hrn, xgn;
    s.c().elementyLinii[0]->zapiszXML(wio, 2);
    s.c().elementyLinii[3]->zapiszXML(hrn, 2);
    s.c().elementyLinii[5]->zapiszXML(xgn, 2);
    EXPECT_NE(wio.find("<inputs></inputs><outputs></outputs>"), std::string::npos) << wio;
    EXPECT_NE(hrn.find("<outputs></outputs>"), std::string::npos) << hrn;
    // Outputs 2 and 3 of an XGN 200 are always there.
    EXPECT_NE(xgn.find("<outputs><output><nr>2</nr>"), std::string::npos) << xgn;
}

} // namespace
