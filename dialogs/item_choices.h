#pragma once
// The entries of a drop-down list of a document's projects, categories or clients, and the
// index a record is booked to after a choice. Used by the dialogs that pick items by name
// (Edit Time, Mark Special).

#include <string>
#include <vector>

namespace tw {

class CWorkmetrDoc;

struct ItemChoice {
    std::string text;  // the item's display text
    int index;         // its slot in the document's list
};

// One entry per occupied slot of list `type` that has a display text, in slot order; empty for
// a list type that is not 0, 1 or 2.
std::vector<ItemChoice> ItemChoices(const CWorkmetrDoc& doc, int type);

// The index to book after a choice: the chosen entry's slot (`chosen`, -1 when nothing is
// chosen), else the record's own index; an index that is no longer valid in the list (its item
// was removed meanwhile) becomes 0, the blank item.
int ChosenItemIndex(const CWorkmetrDoc& doc, int type, int chosen, int recordIndex);

}  // namespace tw
