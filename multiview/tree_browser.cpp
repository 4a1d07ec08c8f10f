#include "multiview/tree_browser.h"

const TreeBrowserFactory& DefaultTreeBrowserFactory()
{
    static const TreeBrowserFactory none;
    return none;
}
