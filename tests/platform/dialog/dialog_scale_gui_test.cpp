// Templates on a denser screen: the dialog, its controls and its font grow by
// the dialog scale, and a button's picture larger than its face is shrunk to
// the face instead of being cut.
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"
#include "platform/dialog/dialog_scale.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

namespace {

constexpr int kButton = 1001;

const DialogControl kControls[] = {
    {ControlKind::BitmapButton, kButton, nullptr, BS_BITMAP, 8, 8, 72, 36},
    {ControlKind::PushButton, IDOK, u"OK", 0, 80, 8, 72, 36},
};
const DialogTemplate kTemplate{900, u"倍率", WS_CAPTION, 0, 200, 100, kControls};

// Restores the scale of the other tests.
struct ScaleGuard {
    explicit ScaleGuard(double scale) { SetDialogScale(scale); }
    ~ScaleGuard() { SetDialogScale(1.0); }
};

QAbstractButton* ButtonOf(CDialog& d, int id)
{
    return qobject_cast<QAbstractButton*>(d.GetDlgItem(id)->GetWidget());
}

void ShowPicture(CDialog& d, CBitmap& picture, QSize size)
{
    picture.CreateFromImage(QImage(size, QImage::Format_RGB32));
    static_cast<CButton*>(d.GetDlgItem(kButton))->SetBitmap(picture);
}

TEST(DialogScale, TemplateGrowsWithTheScaleAndNeighboursStayFlush)
{
    ScaleGuard scale(1.25);
    CDialog d;
    ASSERT_TRUE(d.Create(kTemplate));
    EXPECT_EQ(d.GetWidget()->size(), QSize(250, 125));
    EXPECT_EQ(d.GetWidget()->font().pixelSize(), 15);
    EXPECT_EQ(ButtonOf(d, kButton)->geometry(), QRect(10, 10, 90, 45));
    // The second button starts where the first ends, as in the template.
    EXPECT_EQ(ButtonOf(d, IDOK)->geometry().left(), ButtonOf(d, kButton)->geometry().right() + 1);
}

TEST(DialogScale, PictureKeepsItsSizeOnItsFaceAndShrinksWhenLarger)
{
    struct Case {
        double scale;
        QSize picture;
        QSize shown;
    };
    const Case cases[] = {
        {1.0, QSize(64, 28), QSize(64, 28)},    // the small set on its own scale
        {2.0, QSize(128, 56), QSize(128, 56)},  // the large set on a screen twice as dense
        {1.25, QSize(128, 56), QSize(82, 35)},  // the large set on 90 x 45: fitted to 82 x 37
    };
    for (const Case& c : cases) {
        ScaleGuard scale(c.scale);
        CDialog d;
        ASSERT_TRUE(d.Create(kTemplate));
        CBitmap picture;
        ShowPicture(d, picture, c.picture);
        EXPECT_EQ(ButtonOf(d, kButton)->iconSize(), c.shown) << c.scale;
        static_cast<CButton*>(d.GetDlgItem(kButton))->SetBitmap(nullptr);
    }
}

}  // namespace
