#include "dialogs/item_choices.h"

#include "doc/document.h"

namespace tw {

std::vector<ItemChoice> ItemChoices(const CWorkmetrDoc& doc, int type) {
    std::vector<ItemChoice> choices;
    const ItemList* list = doc.GetItemList(type);
    if (list == nullptr) return choices;
    for (size_t slot = 0; slot < list->size(); ++slot) {
        std::string text;
        if (doc.GetItemDisplayText(type, static_cast<int>(slot), text))
            choices.push_back({text, static_cast<int>(slot)});
    }
    return choices;
}

int ChosenItemIndex(const CWorkmetrDoc& doc, int type, int chosen, int recordIndex) {
    const int index = chosen >= 0 ? chosen : recordIndex;
    return doc.IsValidItemIndex(type, index) ? index : 0;
}

}  // namespace tw
