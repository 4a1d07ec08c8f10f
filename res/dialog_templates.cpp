#include "res/dialog_templates.h"

const DialogTemplate* FindDialogTemplate(UINT id)
{
    static const DialogTemplate* const all[] = {
        &kDialog305JpegQuality,
    };
    for (const DialogTemplate* t : all)
        if (t->id == id)
            return t;
    return nullptr;
}
