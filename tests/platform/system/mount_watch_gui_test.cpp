// The volume watch: a burst of mount-table changes is merged, and the owner
// hears of it only when the volumes it counts have changed.
#include "platform/system/mount_watch.h"

#include "tests/support/pump_until.h"

#include <gtest/gtest.h>

namespace {

TEST(MountWatch, ABurstIsOneReportAndOnlyWhenTheVolumesChanged)
{
    std::vector<MountedVolume> volumes{{"/", "ext4", "/dev/sda1", "", VolumeKind::Fixed}};
    int reports = 0;
    MountWatch watch([&] { return volumes; }, [&] { ++reports; }, 20);
    EXPECT_TRUE(watch.IsWatching());

    watch.NoteTableChanged();  // a change of mounts that are no volumes
    PumpFor(80);
    EXPECT_EQ(reports, 0);

    volumes.push_back({"/media/u/USB", "vfat", "/dev/sdb1", "", VolumeKind::Removable});
    for (int i = 0; i < 3; ++i)
        watch.NoteTableChanged();
    PumpFor(80);
    EXPECT_EQ(reports, 1);

    volumes.pop_back();
    watch.NoteTableChanged();
    PumpFor(80);
    EXPECT_EQ(reports, 2);
}

}  // namespace
