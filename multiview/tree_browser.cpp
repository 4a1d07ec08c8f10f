#include "multiview/tree_browser.h"

namespace {

TreeBrowserFactory& TestFactory()
{
    static TreeBrowserFactory factory;
    return factory;
}

}  // namespace

const TreeBrowserFactory& DefaultTreeBrowserFactory()
{
    static const TreeBrowserFactory engine;
    return TestFactory() ? TestFactory() : engine;
}

void SetTreeBrowserFactoryForTesting(TreeBrowserFactory factory)
{
    TestFactory() = std::move(factory);
}
