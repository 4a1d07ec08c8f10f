// The stage's open and save dialogs.
#include "clip/stage_image_files.h"

#include "clip/stage_save_names.h"
#include "core/file_types.h"
#include "core/path_utils.h"
#include "core/settings/app_settings.h"
#include "platform/dialog/msgbox.h"
#include "platform/system/kernel.h"

namespace {

void Tell(HWND owner, const QString& text)
{
    MessageBoxW(owner, text, QStringLiteral("Kestrel"), MB_OK);
}

}  // namespace

QString OpenImageDialogTitle()
{
    return QStringLiteral("画像ファイルを開きます");
}

QString OpenImageDialogFilter()
{
    return QStringLiteral("ImageFiles(*.bmp;*.jpg;*.jpeg;*.tiff;*.tif;*.gif;*.png)|"
                          "*.bmp;*.jpg;*.jpeg;*.tiff;*.tif;*.gif;*.png|");
}

QString SaveImageDialogTitle()
{
    return QStringLiteral("イメージファイルの保存");
}

QString SaveImageDialogFilter(int defSaveFormat)
{
    const QString bmp = QStringLiteral("ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ(bmp)|*.bmp|");
    const QString jpg = QStringLiteral("JPEG ﾌｧｲﾙ(jpg)|*.jpg|");
    const QString tif = QStringLiteral("TIFF ﾌｧｲﾙ(tif)|*.tif|");
    const QString gif = QStringLiteral("GIF ﾌｧｲﾙ(gif)|*.gif|");
    const QString png = QStringLiteral("PNG ﾌｧｲﾙ(png)|*.png|");
    // The default kind comes first, then the others in their usual order.
    switch (defSaveFormat) {
    case 2:
        return jpg + bmp + tif + gif + png + u'|';
    case 3:
        return tif + bmp + jpg + gif + png + u'|';
    case 4:
        return gif + bmp + jpg + tif + png + u'|';
    case 5:
        return png + bmp + jpg + tif + gif + u'|';
    default:
        return bmp + jpg + tif + gif + png + u'|';
    }
}

int OpenImageDialog(CLoadBitmap_for_Dlg* holder, HWND /*owner*/)
{
    // The path holder's dialog is owned by the active window, which is the
    // frame whenever the stage asks.
    if (holder->path.ShowFileDialog(TRUE, OpenImageDialogTitle(), OpenImageDialogFilter(),
            AppSettings.LastAccessDir, QString()) != 1) {
        // A start folder that led nowhere is not offered again.
        AppSettings.LastAccessDir = g_szExeFolder;
        return 0;
    }
    AppSettings.LastAccessDir = holder->path.Folder();
    return 1;
}

int GetSaveImageFileName(const CLoadBitmap_for_Dlg& holder, HWND owner, QString* path)
{
    if (path == nullptr)
        return 0;
    const int format = AppSettings.DefSaveFormat;
    QString baseName;
    holder.path.GetBaseName(&baseName);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const SaveNameProposal proposal =
        ProposeSaveName(AppSettings, baseName, holder.path.Folder(), now, SaveFileExists);
    if (proposal.status == SaveNameStatus::PathTooLong) {
        Tell(owner, SavePathTooLongMessage());
        return 0;
    }
    // A path holder of its own: the image keeps the path it was read from.
    CFilePathInfo chosen;
    if (chosen.ShowFileDialog(FALSE, SaveImageDialogTitle(), SaveImageDialogFilter(format),
            AppSettings.LastAccessDir, DefaultSaveExtension(format), proposal.name) != 1)
        return 0;
    AppSettings.LastAccessDir = chosen.Folder();
    *path = chosen.Path();
    return TakeChosenSavePath(*path);
}

int TakeChosenSavePath(const QString& path)
{
    const ImageFileType type = GetImageTypeOfPath(path);
    if (type != kImageTypeNone)
        return type;
    Tell(nullptr, QStringLiteral("対応していない拡張子が指定されました。"));
    return kImageTypeNone;
}
