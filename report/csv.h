// CSV exports of a configuration for spreadsheets and scripts: RFC 4180 (comma separated, fields
// quoted where needed, CRLF line ends), UTF-8, one heading row.
#pragma once

#include <string>
#include <string_view>

class Centrala;

// One row per declared line element (type code above 0), in table order: line, address, type
// name, type code, factory number, zone or logical number, group, mode, mode description, and
// for a detector the two message lines of its zone.
std::string csvElementow(Centrala& c);
// One row per zone: number, variant, variant description, detection points, message lines 1
// and 2.
std::string csvStref(Centrala& c);

// One field as RFC 4180 wants it: quoted when it holds a comma, a quote or a line break.
std::string poleCsv(std::string_view pole);
