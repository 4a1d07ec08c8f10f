// Printing through the real print system: a cupsd of the test's own with a
// queue on Debian's cups-pdf driver, the queue preferred over the program's
// PDF printer, and the PDF that cups-pdf writes checked for its pages (each
// copy once) and for where the image lies. Skipped, with the reason, where
// no cupsd can be started. Its own program, so that the print system is
// reached first with this server's address.
#include "../print_output_checks.h"
#include "core/shared_paths.h"
#include "platform/print/print_dialog.h"
#include "platform/print/printer_list.h"
#include "print/print_layout.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QThread>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace {

const QString kQueue = QStringLiteral("KestrelPDF");

QString ScriptPath()
{
    return QStringLiteral(KESTREL_TEST_DATA_DIR "/../print/cups/private_cupsd.sh");
}

// The folders cups-pdf may write into: its "Out" folder for the job's user
// (${HOME} is that user's home), and its folder for anonymous jobs.
QStringList CupsPdfFolders()
{
    const passwd* user = getpwuid(geteuid());
    const QString home = user ? QString::fromLocal8Bit(user->pw_dir) : QDir::homePath();
    const QString name = user ? QString::fromLocal8Bit(user->pw_name) : QString();
    QStringList folders;
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        for (const QByteArray& raw : conf.readAll().split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith(QStringLiteral("Out ")))
                folders << line.mid(4)
                               .trimmed()
                               .replace(QStringLiteral("${HOME}"), home)
                               .replace(QStringLiteral("${USER}"), name);
        }
    }
    folders << home + QStringLiteral("/PDF") << QStringLiteral("/var/spool/cups-pdf/ANONYMOUS");
    folders.removeDuplicates();
    return folders;
}

// A PDF made since `since` whose name holds `token`; waits up to a minute.
QString WaitForCupsPdf(const QString& token, const QDateTime& since)
{
    for (int i = 0; i < 600; ++i) {
        for (const QString& folder : CupsPdfFolders()) {
            QDirIterator it(folder, {QStringLiteral("*.pdf")}, QDir::Files);
            while (it.hasNext()) {
                const QFileInfo file(it.next());
                if (file.fileName().contains(token) && file.lastModified() >= since.addSecs(-1) &&
                    file.size() > 0)
                    return file.filePath();
            }
        }
        QThread::msleep(100);
    }
    return {};
}

class PrivateCups {
public:
    PrivateCups() : m_folder(QStringLiteral("/tmp/kestrel-cups-%1").arg(getpid())) { }
    ~PrivateCups()
    {
        if (m_started)
            QProcess::execute(QStringLiteral("bash"), {ScriptPath(), QStringLiteral("stop"), m_folder});
    }
    // The socket's path, or empty with the reason in *why.
    QString Start(QString* why)
    {
        QProcess script;
        script.start(QStringLiteral("bash"), {ScriptPath(), QStringLiteral("start"), m_folder, kQueue});
        if (!script.waitForFinished(60000) || script.exitCode() != 0) {
            *why = QString::fromUtf8(script.readAllStandardError()).trimmed();
            if (why->isEmpty())
                *why = QStringLiteral("the start script did not finish");
            return {};
        }
        m_started = true;
        return QString::fromUtf8(script.readAllStandardOutput()).trimmed();
    }

private:
    QString m_folder;
    bool m_started = false;
};

TEST(PrintThroughCups, AQueueOfCupsPdfPrintsEachCopyOnce)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "cupsd with cups-pdf needs root: its backend runs as root";
    PrivateCups cups;
    QString why;
    const QString socket = cups.Start(&why);
    if (socket.isEmpty())
        GTEST_SKIP() << "no cupsd could be started: " << why.toStdString();
    qputenv("CUPS_SERVER", socket.toLocal8Bit());

    ASSERT_TRUE(ListPrinterNames().contains(kQueue)) << ListPrinterNames().join(u',').toStdString();
    // The print system's queue comes before the program's PDF printer.
    CPrintDialog dialog(FALSE, PD_RETURNDC);
    ASSERT_TRUE(dialog.GetDefaults());
    EXPECT_EQ(dialog.GetDeviceName(), kQueue);
    EXPECT_EQ(dialog.GetDriverName(), QStringLiteral("CUPS"));
    DEVMODE* dm = dialog.GetDevMode();
    dm->dmPaperWidth = 2100;
    dm->dmPaperLength = 2970;
    SetDevModeText(dm->dmFormName, CCHFORMNAME, QStringLiteral("A4"));
    dm->dmOrientation = DMORIENT_PORTRAIT;

    CPrintLayout layout;
    layout.ReadDeviceResolution(dialog.m_pd.hDC);
    ASSERT_GT(layout.GetResolutionY(), 0);
    layout.SetDefaultMargins(2000, 3000, 2000, 2000);
    QImage image(320, 160, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromImage(image));
    ASSERT_EQ(layout.Compute(2100, 2970, CSize(320, 160), FIT_MARGIN_WIDTH), 1);

    // cups-pdf makes its folder on the first job; one it made for this test goes again.
    QStringList madeFolders;
    for (const QString& folder : CupsPdfFolders())
        if (!QFileInfo::exists(folder))
            madeFolders << folder;
    const auto removeMadeFolders = qScopeGuard([&] {
        for (const QString& folder : madeFolders)
            QDir().rmdir(folder);
    });

    const QString token = QStringLiteral("KestrelCups%1").arg(getpid());
    const QString oldTitle = g_szCaptureTitle;
    g_szCaptureTitle = token;
    const QDateTime since = QDateTime::currentDateTime();
    PrintJobOptions options;
    options.copies = 2;
    const int result = layout.PrintBitmap(&dialog, dm, bitmap, options);
    g_szCaptureTitle = oldTitle;
    ASSERT_EQ(result, PRINT_DONE);

    const QString pdf = WaitForCupsPdf(token, since);
    const auto removePdf = qScopeGuard([&] { QFile::remove(pdf); });
    ASSERT_FALSE(pdf.isEmpty()) << "cups-pdf wrote nothing into "
                                << CupsPdfFolders().join(u' ').toStdString();
    const PdfFacts facts = ReadPdfFacts(pdf);
    EXPECT_EQ(facts.pages, 2);
    EXPECT_NEAR(facts.pageWidthPt, 595.3, 2.0);
    const QRect red = RedArea(RenderPdfPage(pdf, 2, 25.4));
    EXPECT_NEAR(red.left(), 20, 1.5);
    EXPECT_NEAR(red.top(), 20, 1.5);
    EXPECT_NEAR(red.width(), 160, 1.5);
    EXPECT_NEAR(red.height(), 80, 1.5);
}

}  // namespace
