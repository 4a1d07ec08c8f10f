#include "app/frame_commands.h"

#include "res/frame_command_ids.h"

namespace {

bool Always(const CMainFrame&)
{
    return true;
}

// The manual's rule is "the control panel is idle"; it takes that rule with
// the control panel, so that the manual can be opened meanwhile.
constexpr FrameCommand kFrameCommands[] = {
    {ID_HELP_MANUAL, Always},
    {ID_FILE_NEW, Always},
    {ID_FILE_OPEN, Always},
    {ID_FILE_PRINT_SETUP, Always},
    {ID_APP_ABOUT, Always},
    {ID_APP_EXIT, Always},
};

}  // namespace

const FrameCommand* FindFrameCommand(UINT id)
{
    for (const FrameCommand& c : kFrameCommands)
        if (c.id == id)
            return &c;
    return nullptr;
}
