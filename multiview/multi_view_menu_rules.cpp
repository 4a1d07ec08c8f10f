#include "multiview/multi_view_menu_rules.h"

#include "res/menu_296_multi_view.h"

bool IsMultiMenuItemEnabled(UINT id, const MultiMenuFacts& facts)
{
    switch (id) {
    case ID_MULTI_OPEN_IN_CLIP:
    case ID_MULTI_COPY_PICTURE:
    case ID_MULTI_PRINT:
        return facts.contextHasThumbnail && facts.hasFocus;
    case ID_MULTI_COPY_FILES:
    case ID_MULTI_DELETE_ONE:
    case ID_MULTI_RENAME_ONE:
    case ID_MULTI_RENAME_BATCH:
    case ID_MULTI_BATCH_SHRINK:
        return facts.focusSortReady;
    default:
        return false;
    }
}
