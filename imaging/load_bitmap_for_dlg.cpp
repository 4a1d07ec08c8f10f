#include "imaging/load_bitmap_for_dlg.h"

CLoadBitmap_for_Dlg::~CLoadBitmap_for_Dlg()
{
    ReleaseSurfaces();
}

void CLoadBitmap_for_Dlg::ReleaseSurfaces()
{
}

void CLoadBitmap_for_Dlg::Free()
{
    ReleaseSurfaces();
    CLoadBitmap::Free();
    path.Reset();
}

int CLoadBitmap_for_Dlg::Reload()
{
    // "no_name" or any leading part of it (the empty name included) means
    // that no file belongs to the holder.
    if (QStringLiteral("no_name").startsWith(path.Name()))
        return 0;
    const QString stored = path.Path();
    return ReadBmpFile(stored);
}
