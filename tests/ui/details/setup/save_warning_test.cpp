// Saves on a disk that cannot confirm the rename: the file is saved, so the windows act on
// it, and tell the user. This executable stands in for the C library's fsync, so that the
// failure is the system's own answer.
#include <dlfcn.h>
#include <sys/stat.h>

#include <QTest>
#include <cerrno>

#include "setup_fixture.h"

namespace {

bool g_folderSyncFails = false;

constexpr std::string_view kSavedLine =
    "1,1,250,3,7,clBlack,clSkyBlue,clWhite,clAqua,clSkyBlue,clNavy,clBlue,";

}  // namespace

extern "C" int fsync(int fd) {
    struct stat status {};
    if (g_folderSyncFails && fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        errno = EIO;
        return -1;
    }
    using Sync = int (*)(int);
    static const auto real = reinterpret_cast<Sync>(dlsym(RTLD_NEXT, "fsync"));
    return real(fd);
}

class SaveWarningTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { g_folderSyncFails = false; }
    void settings_save_warns_and_keeps_the_line_it_wrote();
    void stats_save_warns_and_closes_as_saved();
};

void SaveWarningTest::settings_save_warns_and_keeps_the_line_it_wrote() {
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    g_folderSyncFails = true;
    fixture.Click("SettingsBtn");
    fixture.Click("ClassicSettingsBtn");
    fixture.Dialogs().ExpectMessage(QMessageBox::Ok);
    fixture.Click("SaveSettingsBtn");

    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    QCOMPARE(fixture.Dialogs().Messages().size(), 1);
    QVERIFY2(fixture.Dialogs().Messages()[0].startsWith(QStringLiteral("Warning... ")),
             qPrintable(fixture.Dialogs().Messages()[0]));
    QCOMPARE(FileLine(fixture.StatsPath(), 4), QByteArray(DefaultSettingsLine.data()));
    QCOMPARE(fixture.State().Settings.SavedSettingsLine, std::string(DefaultSettingsLine));
}

void SaveWarningTest::stats_save_warns_and_closes_as_saved() {
    SetupFixture fixture;
    g_folderSyncFails = true;
    fixture.Click("EditerBtn");
    const QString target = fixture.PathOf(QStringLiteral("Edited.txt"));
    fixture.Dialogs().Expect(SaveAs(target));
    fixture.Dialogs().ExpectMessage(QMessageBox::Ok);
    fixture.Click("UpdateAndSaveBtn");

    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    QCOMPARE(fixture.Dialogs().Messages().size(), 1);
    QVERIFY2(fixture.Dialogs().Messages()[0].startsWith(QStringLiteral("Warning... ") + target),
             qPrintable(fixture.Dialogs().Messages()[0]));
    QVERIFY(QFileInfo::exists(target));
    QCOMPARE(fixture.Details().Hidden(), 1);
}

QTEST_MAIN(SaveWarningTest)
#include "save_warning_test.moc"
