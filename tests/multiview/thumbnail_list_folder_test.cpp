// Loading a folder: which entries are listed, in what order, with what
// data; the limits and the capacity rule with its messages.
#include "multiview/thumbnail_list.h"

#include "multiview/thumb_mask.h"
#include "tests/multiview/thumb_test_folder.h"
#include "tests/support/scripted_dialogs.h"

namespace {

const QString kNoImages = QStringLiteral("サポートしている画像ファイルがありません。");
const QString kLowMemory =
    QStringLiteral("フリーメモリが少ない為、全ての画像のサムネイル表示が出来ない可能性があります。");

class ThumbnailListFolder : public ::testing::Test {
protected:
    ThumbSettingsScope settings;
    ThumbTestFolder folder;
    CThumbnailList list;

    void SetUp() override
    {
        list.SetAvailableMemoryMB([] { return DWORD(2000); });
    }

    QStringList ListedNames() const
    {
        QStringList names;
        for (int f = 0; f < list.GetFileCount(); ++f)
            names << list.GetFileName(f);
        return names;
    }
};

TEST_F(ThumbnailListFolder, ListsImageFilesBelow4GiBInNameOrder)
{
    folder.Write("b.JPG", "x");
    folder.Write("a.png", "xy");
    folder.Write(".hidden.gif", "x");
    folder.Write("notes.txt", "x");
    folder.Write("Thumbs.db", "x");
    folder.Write("noext", "x");
    folder.Folder("folder.jpg");
    folder.Sized("huge.bmp", 0x100000000ll);         // 4 GiB: not listed
    folder.Sized("largest.tif", 0x100000000ll - 1);  // 4 GiB - 1: listed
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(list.LoadFolder(folder.Path() + "/", 100, 0), 4);
    EXPECT_EQ(ListedNames(), (QStringList{".hidden.gif", "a.png", "b.JPG", "largest.tif"}));
}

TEST_F(ThumbnailListFolder, EntriesCarryTimeSizeAndDateText)
{
    folder.Write("b.jpg", "12345", 1700000000);
    folder.Sized("a.bmp", 0xFFFFFFFFll, 1600000000);
    ScriptedMessageBoxes boxes;
    ASSERT_EQ(list.LoadFolder(folder.Path(), 100, 0), 2);
    EXPECT_EQ(list.GetFolder(), folder.Path()) << "no trailing separator";
    EXPECT_EQ(ListedNames(), (QStringList{"a.bmp", "b.jpg"}));
    EXPECT_EQ(list.GetFileSize(0), 0xFFFFFFFFu);
    EXPECT_EQ(list.GetFileSize(1), 5u);
    SYSTEMTIME t;
    ASSERT_TRUE(list.GetFileTime(1, &t));
    char expected[64];
    std::snprintf(expected, sizeof expected, "%d/%02d/%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay,
        t.wHour, t.wMinute, t.wSecond);
    EXPECT_EQ(list.GetDateText(1), QString::fromLatin1(expected));
    const std::time_t when = 1700000000;
    std::tm local{};
    localtime_r(&when, &local);
    EXPECT_EQ(t.wYear, local.tm_year + 1900);
    EXPECT_EQ(t.wHour, local.tm_hour);
    EXPECT_NEAR(list.LoadControl().megabyteSum, (0xFFFFFFFFll + 5) / 1e6, 1e-6);
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(ThumbnailListFolder, NothingToShowIsReportedOnlyInTheMultiView)
{
    folder.Write("readme.txt", "x");
    {
        ScriptedMessageBoxes boxes;
        EXPECT_EQ(list.LoadFolder(folder.Path(), 100, 7), 0);
        EXPECT_TRUE(boxes.Texts().isEmpty());
    }
    MultiModeScope multi;
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(list.LoadFolder(folder.Path(), 100, 7), 0);
    EXPECT_EQ(boxes.Texts(), QStringList{kNoImages});
    EXPECT_EQ(list.GetFileCount(), 0);
    EXPECT_FALSE(list.IsScanning());
    EXPECT_EQ(list.LoadFolder("/nonexistent/kestrel", 100, 7), 0) << "a missing folder lists nothing";

    // A path longer than 520 characters is not cut down to another folder:
    // here its first 520 characters name a folder with an image.
    QString deep = folder.Path();
    while (deep.size() < 520) {
        const qsizetype rest = 520 - deep.size();
        deep += "/" + QString(rest > 150 ? 100 : rest - 1, 'd');
        ASSERT_TRUE(QDir().mkdir(deep));
    }
    ASSERT_EQ(deep.size(), 520);
    folder.Write(deep.mid(folder.Path().size() + 1) + "/a.jpg", "x");
    ASSERT_TRUE(QDir().mkdir(deep + "/sub"));
    EXPECT_EQ(list.LoadFolder(deep + "/sub", 100, 7), 0);
    EXPECT_EQ(list.LoadFolder(deep, 100, 7), 1);
}

TEST_F(ThumbnailListFolder, MoreThan20000FilesShowTheFirst20000)
{
    for (int i = 0; i <= kMaxFolderFiles; ++i)
        folder.Write(QString::asprintf("f%05d.jpg", i), QByteArray());
    ScriptedMessageBoxes boxes;
    list.LoadFolder(folder.Path(), 100, 0);
    EXPECT_EQ(boxes.Texts(),
        QStringList{QStringLiteral(
            "KestrelProが一度に扱えるファイル数は 20000 ファイルまでです。\n\n指定フォルダ内のファイル数 "
            "20001 ファイル。")});
    EXPECT_EQ(list.GetFileCount(), kMaxFolderFiles);
    EXPECT_EQ(list.GetFileName(kMaxFolderFiles - 1), "f19999.jpg");
    EXPECT_EQ(list.GetCapacity(), 2000) << "MaxHBitmapNumber caps the capacity";
}

TEST_F(ThumbnailListFolder, CapacityFromFreeMemory)
{
    EXPECT_EQ(CThumbnailList::CapacityForEdge(2000, 144), 6024);
    EXPECT_EQ(CThumbnailList::CapacityForEdge(2000, 96), 13544);
    EXPECT_EQ(CThumbnailList::CapacityForEdge(2000, 48), 53960);
    EXPECT_EQ(CThumbnailList::CapacityForEdge(4000000, 48), 65535);

    const struct {
        int coarse;
        int files;
        int edge;
    } cases[] = {
        {1, 6024, 144}, {1, 6025, 96}, {1, 13545, 48},
        {2, 60000, 144},  // the coarse view keeps the large edge
    };
    for (const auto& c : cases)
        EXPECT_EQ(CThumbnailList::ChooseThumbnailEdge(c.coarse, 2000, c.files), c.edge) << c.files;
}

TEST_F(ThumbnailListFolder, TheLowMemoryWarningComesOncePerLoadAndOnlyWhenNeeded)
{
    for (int i = 0; i < 13; ++i)
        folder.Write(QString("f%1.png").arg(i), "x");
    AppSettings.ThumCoarseView = 2;                      // edge 144 whatever the memory
    list.SetAvailableMemoryMB([] { return DWORD(4); });  // room for 12 thumbnails
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(list.LoadFolder(folder.Path(), 100, 0), 12);
    EXPECT_EQ(list.GetThumbEdge(), 144);
    EXPECT_EQ(boxes.Texts(), QStringList{kLowMemory});
    EXPECT_EQ(list.LoadFolder(folder.Path(), 100, 0), 12);
    EXPECT_EQ(boxes.Texts().size(), 1) << "once until the stage clears the flag for a load";
    list.ClearLowMemoryWarning();
    list.LoadFolder(folder.Path(), 10, 0);
    EXPECT_EQ(boxes.Texts().size(), 1) << "a page of 10 cells fits in 12 thumbnails";
    list.LoadFolder(folder.Path(), 100, 0);
    EXPECT_EQ(boxes.Texts().size(), 2);
}

TEST_F(ThumbnailListFolder, ALoadClearsTheMasksAndTellsTheStage)
{
    folder.Write("a.jpg", "x", 1700000000);
    CThumbMask mask;
    CMaskValueTally tally;
    mask.Reset();
    SYSTEMTIME t{};
    t.wYear = 2001;
    t.wMonth = 1;
    t.wDay = 1;
    mask.AddDate(CThumbMask::kDayList, t);
    mask.SetRemembered(2001, 1);
    list.SetMasks(&mask, &tally);
    ScriptedMessageBoxes boxes;
    ASSERT_EQ(list.LoadFolder(folder.Path(), 10, 0), 1);
    EXPECT_TRUE(mask.GetDays().empty());
    EXPECT_EQ(mask.GetRememberedYear(), 0);
    EXPECT_TRUE(tally.IsReady());
}

}  // namespace
