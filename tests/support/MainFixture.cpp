#include "support/MainFixture.h"

#include "files/FileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

TTestFolders::TTestFolders()
{
    QDir(fRoot.path()).mkpath(QStringLiteral("documents"));
    QDir(fRoot.path()).mkpath(QStringLiteral("program"));
    qputenv("PADWRIGHT_DOCUMENTS_DIR", Documents().toLocal8Bit());
    qputenv("PADWRIGHT_PROGRAM_DIR", Program().toLocal8Bit());
}

TTestFolders::~TTestFolders()
{
    qunsetenv("PADWRIGHT_DOCUMENTS_DIR");
    qunsetenv("PADWRIGHT_PROGRAM_DIR");
}

QString TTestFolders::Documents() const
{
    return fRoot.path() + QStringLiteral("/documents");
}

QString TTestFolders::Program() const
{
    return fRoot.path() + QStringLiteral("/program");
}

QString TTestFolders::DataFolder() const
{
    return Documents() + QStringLiteral("/Halvorsten/OstrellaPro");
}

void TTestFolders::WriteFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(text);
}

QByteArray TTestFolders::ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

TfrmMain& TMainFixture::Create(const QStringList& arguments, bool show)
{
    Window = std::make_unique<TfrmMain>(State, arguments, &Keyboard);
    if (show) {
        Window->show();
        if (!QTest::qWaitForWindowExposed(Window.get()))
            qWarning("main window not exposed");
    }
    return *Window;
}

TfrmMain& TMainFixture::CreateWithWindows(const QStringList& arguments)
{
    Windows = std::make_unique<TAppWindows>(State, arguments, &Keyboard);
    Windows->Main().show();
    if (!QTest::qWaitForWindowExposed(&Windows->Main()))
        qWarning("main window not exposed");
    return Windows->Main();
}

QByteArray SavedDefinition(const TAppState& state, bool rom)
{
    QTemporaryDir folder;
    TAppState copy = state; // a ROM save fills the LCD texts of what it writes
    const QString path = folder.path() + (rom ? QStringLiteral("/saved.rom") : QStringLiteral("/saved.ckd"));
    const QString version = QStringLiteral("1.0");
    TLevelKeyIndices indices;
    const TSaveResult result = rom ? SaveRomFile(copy, path, 20, version)
                                   : SaveUserFile(copy, path, 20, version, indices);
    if (!result.Ok)
        qFatal("cannot save to %s", qPrintable(path));
    return TTestFolders::ReadFile(path);
}

QList<int32_t> MacroCodes(const TKeypadClass& definition)
{
    QList<int32_t> codes;
    for (int i = 0; i < definition.NumOfElements(); ++i)
        codes << definition.SelectedMacro().Values[i];
    return codes;
}

QString CellText(const TfrmMain& window, int position)
{
    return GridOf(window)->item(position / 8, position % 8)->text();
}

QPoint CellCentre(const TfrmMain& window, int position)
{
    return GridOf(window)
        ->visualItemRect(GridOf(window)->item(position / 8, position % 8))
        .center();
}

void TriggerAction(const QObject& window, const QString& name)
{
    Find<QAction>(window, name)->trigger();
}

TMacroGrid* GridOf(const TfrmMain& window)
{
    return Find<TMacroGrid>(window, QStringLiteral("Grid"));
}

QAbstractButton* KeyButton(const TfrmMain& window, int keyIndex)
{
    return Find<QAbstractButton>(window, QStringLiteral("SpeedButton%1").arg(keyIndex + 1));
}

QList<QAbstractButton*> KeyButtons(const TfrmMain& window)
{
    QList<QAbstractButton*> buttons;
    for (int key = 0; key < MaxKeys; ++key)
        buttons << KeyButton(window, key);
    return buttons;
}

namespace {

QtMessageHandler previousHandler = nullptr;

void quietPlatformMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        previousHandler(type, context, text);
}

} // namespace

void QuietOffscreenMenus(bool on)
{
    if (on)
        previousHandler = qInstallMessageHandler(quietPlatformMessages);
    else
        qInstallMessageHandler(previousHandler);
}
