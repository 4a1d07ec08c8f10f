#include "options/option_value_rules.h"

#include "core/file_queries.h"

#include <algorithm>
#include <cstdio>

int ZoomStepToPosition(UINT zoomStep)
{
    if (zoomStep <= 150)
        return 1;
    if (zoomStep < 350)
        return 2;
    if (zoomStep == 350)
        return 3;
    if (zoomStep < 600)
        return 4;
    return 5;
}

UINT ZoomStepFromPosition(int position)
{
    switch (position) {
    case 1:
        return 150;
    case 2:
        return 250;
    case 4:
        return 450;
    case 5:
        return 600;
    default:
        return 350;
    }
}

int MaxZoomMagToPosition(int maxZoomMag)
{
    return maxZoomMag / 5;
}

int MaxZoomMagFromPosition(int position)
{
    return position * 5;
}

int HitZoomMagToPosition(int hitZoomMag)
{
    return hitZoomMag / 5 + 1;
}

int HitZoomMagFromPosition(int position)
{
    return position == 1 ? 1 : position * 5 - 5;
}

int LevelPixelGridToPosition(int level)
{
    if (level <= 4)
        return 1;
    if (level < 10)
        return 2;
    return 3;
}

int LevelPixelGridFromPosition(int position)
{
    switch (position) {
    case 1:
        return 4;
    case 3:
        return 10;
    default:
        return 7;
    }
}

BYTE ClampJpegQuality(unsigned quality)
{
    return static_cast<BYTE>(std::clamp(quality, 1u, 100u));
}

int ClampScrollWait(long long wait)
{
    return static_cast<int>(std::clamp(wait, 5LL, 500LL));
}

BYTE NormalSaveFormat(BYTE format)
{
    return format >= 1 && format <= 5 ? format : 1;
}

FrontTextCheck CheckFrontText(const QString& text)
{
    if (text.size() > kFrontTextMaxChars)
        return FrontTextCheck::TooLong;
    if (!IsValidFileNameChars(text))
        return FrontTextCheck::ForbiddenChars;
    return FrontTextCheck::Accepted;
}

QString FrontTextMessage(FrontTextCheck check)
{
    switch (check) {
    case FrontTextCheck::TooLong:
        return QStringLiteral("最大指定文字数は30文字です。");
    case FrontTextCheck::ForbiddenChars:
        return QStringLiteral("ファイル名に指定できない文字です。");
    case FrontTextCheck::Accepted:
        break;
    }
    return {};
}

QString FileNameExample(const QString& front, int kind, int digits, const SYSTEMTIME& now)
{
    if (kind == 0) {
        if (digits == 3)
            return front + QStringLiteral("001");
        if (digits == 4)
            return front + QStringLiteral("0001");
        return front + QStringLiteral("00001");
    }
    if (kind == 1) {
        char stamp[64];
        std::snprintf(stamp, sizeof stamp, "%4d%02d%02d-%02d%02d%02d", now.wYear, now.wMonth, now.wDay,
            now.wHour, now.wMinute, now.wSecond);
        return front + QString::fromLatin1(stamp);
    }
    return front + QStringLiteral("a");
}
