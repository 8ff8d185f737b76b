// The listing and the XML document of the records read from the event or alarm memory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class PamiecZdarzen;

// The lines of the listing: panel name, memory title, date and time of the read, an empty line,
// then the records (alarms newest first, events in reading order under "---N---").
std::vector<std::string> liniePamieci(const PamiecZdarzen& pamiec, std::string_view nazwaCentrali,
                                      std::string_view data, std::string_view czas);

// The whole <event_memory> or <alarm_memory> document, without line breaks; the record texts
// are in UTF-8 with & < > escaped, so the document is well-formed whatever a record holds.
std::string dokumentXMLPamieci(const PamiecZdarzen& pamiec);
