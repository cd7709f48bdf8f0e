#pragma once
// The document as JSON: the version read, every setting, the three item lists slot by slot,
// every record with its stored fields and its display texts, the template record and the
// totals. Texts are formatted under the document's settings with the platform's formatter.

namespace tw {
class CWorkmetrDoc;
}

namespace tw::twtool {

class JsonWriter;

void DumpDocument(CWorkmetrDoc& doc, JsonWriter& json);

}  // namespace tw::twtool
