// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/locatedialog.h"
#include "app/recentimages.h"
#include "app/windowregistry.h"
#include "core/apptexts.h"
#include "core/checksum.h"
#include "core/codepage.h"
#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "core/patchfiles.h"
#include "core/romaccess.h"
#include "core/editormodel.h"
#include "core/romfile.h"
#include "core/supportfiles.h"
#include "document/language.h"
#include "document/layoutfile.h"
#include "editors/imagevalues/imagevalues.h"
#include "ui/emulator.h"
#include "ui/handlers.h"
#include "ui/notices.h"
#include "ui/imagesave.h"
#include "ui/filenames.h"
#include "ui/trackedform.h"

#include <QAction>
#include <QActionGroup>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSettings>
#include <QThread>
#include <QStandardPaths>
#include <QUrl>
#include <QBitmap>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QMessageBox>
#include <QPixmap>

#include <set>

namespace {

// A row of the header panel's table, its text given as HTML.
QString headerRowHtml(const QString& name, const QString& html)
{
    return QStringLiteral("<tr><td>%1&nbsp;&nbsp;&nbsp;</td><td>%2</td></tr>").arg(name, html);
}

// A row of the header panel's table.
QString headerRow(const QString& name, const QString& text)
{
    return headerRowHtml(name, text.toHtmlEscaped());
}

const QString kBackupKey = QStringLiteral("backupBeforeSaving");
const QString kGeometryKey = QStringLiteral("windows/main");

// "the Object Editor", "the Object Editor and the Water Editor", "the
// Object Editor, the Text Editor and the Water Editor".
QString namesOf(const std::vector<TrackedForm*>& forms)
{
    QStringList names;
    for (const TrackedForm* form : forms)
        names << form->editorName();
    if (names.size() < 2)
        return names.value(0);
    const QString last = names.takeLast();
    return QCoreApplication::translate("MainWindow", "%1 and %2").arg(names.join(QStringLiteral(", ")), last);
}

QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// A dropped image is taken as a copy or a link, never a move: a file
// manager that honours a move would delete it.
Qt::DropAction safeDropAction(Qt::DropActions possible)
{
    if (possible & Qt::CopyAction)
        return Qt::CopyAction;
    return (possible & Qt::LinkAction) ? Qt::LinkAction : Qt::IgnoreAction;
}

QString fromCp1252(const std::string& bytes)
{
    return QString::fromStdString(Cp1252ToUtf8(bytes));
}

// Refuses a name that does not stand for exactly one file; refusal is
// "Cannot open %1: %2" or the like, %2 saying why.
void requireExactName(const QString& name, const QString& refusal)
{
    if (!ExactName(name))
        throw KorvaneError(
            refusal.arg(name, QCoreApplication::translate("FileNames", kInexactNameMessage)).toStdString());
}

} // namespace

// The resources of a static library must be registered by hand.
static void initResources()
{
    Q_INIT_RESOURCE(app);
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), mUi(std::make_unique<Ui::MainWindow>())
{
    initResources();
    mUi->setupUi(this);
    restoreGeometry(QSettings().value(kGeometryKey).toByteArray());
    // Shown while Saves leave the header as it is.
    mFixOff = new QLabel(tr("Fix Checksum is off"), this);
    mFixOff->setObjectName(QStringLiteral("fixChecksumOff"));
    mFixOff->setToolTip(tr("Saves leave the header's checksum as it is (Editor > Fix Checksum)"));
    statusBar()->addPermanentWidget(mFixOff);
    connect(mUi->Fix, &QAction::toggled, this, &MainWindow::showFixChecksum);
    showFixChecksum();

    QFont nameFont = mUi->LblFilename->font();
    nameFont.setBold(true);
    nameFont.setPixelSize(15);
    mUi->LblFilename->setFont(nameFont);

    // Docks and task bars tie the windows to the menu entry by its id, and
    // show the entry's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVANE_APP_ID));
    // Decoding the six sizes takes longer than the rest of the window: the
    // icon follows the window's first picture.
    connect(this, &MainWindow::firstPainted, this, [] {
        QIcon icon;
        for (const int size : {16, 32, 48, 64, 128, 256})
            icon.addFile(QStringLiteral(":/app/pelbo-korvane-%1.png").arg(size), QSize(size, size));
        QGuiApplication::setWindowIcon(icon);
    }, Qt::QueuedConnection);

    // 24-bit logo; its bottom-left colour is transparent.
    QPixmap logo(QStringLiteral(":/app/logo.bmp"));
    const QColor key = logo.toImage().pixelColor(0, logo.height() - 1);
    logo.setMask(logo.createMaskFromColor(key, Qt::MaskInColor));
    mUi->Image1->setPixmap(logo);

    ChooseFile = [](QWidget* parent, const QString& caption, const QString& start, const QString& filter, bool save) {
        return save ? QFileDialog::getSaveFileName(parent, caption, start, filter)
                    : QFileDialog::getOpenFileName(parent, caption, start, filter);
    };

    // Every Save reads its options here, and says when it is done.
    QSettings settings;
    mUi->FileBackup->setChecked(settings.value(kBackupKey, true).toBool());
    connect(mUi->FileBackup, &QAction::toggled, this, [](bool ticked) { QSettings().setValue(kBackupKey, ticked); });
    // The selected image's Saves follow the ticks.
    connect(mUi->Fix, &QAction::toggled, this, [this](bool ticked) {
        if (mSession)
            mSession->setFixChecksum(ticked);
    });
    connect(mUi->FileBackup, &QAction::toggled, this, [this](bool ticked) {
        if (mSession)
            mSession->setBackUp(ticked);
    });

    setAcceptDrops(true);
    mUi->FileRecent->menuAction()->setObjectName(QStringLiteral("FileRecentMenu"));
    fillRecentMenu();

    ConnectHandler(mUi->selectButton, &QPushButton::clicked, this, &MainWindow::chooseImage);
    ConnectHandler(mUi->FileOpen, &QAction::triggered, this, &MainWindow::chooseImage);
    ConnectHandler(mUi->FilePlay, &QAction::triggered, this, &MainWindow::playImage);
    ConnectHandler(mUi->SettingsEmulator, &QAction::triggered, this, &MainWindow::chooseEmulator);
    fillLanguageMenu();
    ConnectHandler(mUi->FileQuit, &QAction::triggered, this, &MainWindow::quit);
    ConnectHandler(mUi->FileSaveCopy, &QAction::triggered, this, [](MainWindow* self) { self->saveCopy(); });
    ConnectHandler(mUi->FileRevert, &QAction::triggered, this, &MainWindow::revert);
    ConnectHandler(mUi->EditorRepair, &QAction::triggered, this, &MainWindow::repairChecksum);
    ConnectHandler(mUi->FilePatch, &QAction::triggered, this, &MainWindow::createPatch);
    ConnectHandler(mUi->ImageLocate, &QAction::triggered, this, &MainWindow::locateMovedValues);
    ConnectHandler(mUi->EditorDemos, &QAction::triggered, this, &MainWindow::openDemosEditor);
    ConnectHandler(mUi->EditorWater, &QAction::triggered, this, &MainWindow::openWaterEditor);
    ConnectHandler(mUi->EditorBosses, &QAction::triggered, this, &MainWindow::openObjectEditor);
    ConnectHandler(mUi->EditorText, &QAction::triggered, this, &MainWindow::openTextEditor);
    ConnectHandler(mUi->EditorPal, &QAction::triggered, this, &MainWindow::openPaletteEditor);
    ConnectHandler(mUi->ViewerArt, &QAction::triggered, this, &MainWindow::openArtViewer);
    ConnectHandler(mUi->EditorDisasm, &QAction::triggered, this, &MainWindow::openDisassembler);
    ConnectHandler(mUi->HelpAbout, &QAction::triggered, this, &MainWindow::showAbout);
    connect(mUi->HelpAboutQt, &QAction::triggered, this, [this] { QMessageBox::aboutQt(this); });

    RunHandler([this] { showStart(); });
}

void MainWindow::showStart()
{
    mUi->Label1->setText(tr("v%1").arg(QString::fromLatin1(PackageVersion())));
    setWindowTitle(QString::fromStdString(AppTitle()));
    // The support folder beside the executable, or the installed one; what
    // the program writes there goes to the user's data folder when the
    // installed one is read-only.
    SetSupportBase(FindSupportBase(CorePath(QCoreApplication::applicationDirPath()) + "/"));
    SetUserSupportBase(SupportFolderWritable()
                           ? std::string()
                           : CorePath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) + "/");
}

void MainWindow::chooseImage()
{
    const QString fileName = OpenDialog.execute(this);
    if (fileName.isEmpty()) {
        ShowMessage(tr("You have to select a file"));
        return;
    }
    selectFile(fileName);
}

void MainWindow::selectFile(const QString& fileName)
{
    // The editors of the image selected before go first, their edits
    // saved or dropped as the user says.
    if (!settleUnsaved())
        return;
    closeEditors();
    OpenDialog.remember(fileName);
    OpenDialog.setInitialDir(QFileInfo(fileName).absolutePath());
    mUi->LblFilename->setText(fileName);

    // Forget the previous image first: a file that cannot be read must not
    // keep its editors, or they would write that game's offsets into it.
    mSession.reset();
    setEditorItems(0);
    for (QAction* action : imageActions())
        action->setEnabled(false);
    setWindowTitle(QString::fromStdString(AppTitle()));
    mUi->LblGame->clear();
    stopHeaderSum();
    mUi->HeaderPanel->clear();

    // Never a guess at which file a name means.
    requireExactName(fileName, tr("Cannot open %1: %2"));
    const std::string path = CorePath(fileName);
    const Detection detection = DetectGame(path);
    mSession = std::make_unique<ImageSession>(path, detection);
    mSession->setFixChecksum(mUi->Fix->isChecked());
    mSession->setBackUp(mUi->FileBackup->isChecked());
    mSession->setListener(this);
    setEditorItems(EditorItemsOf(detection.game->code));
    for (QAction* action : imageActions())
        action->setEnabled(true);
    mSerial = detection.serial;
    mMegaDriveHeader = detection.megaDriveHeader;
    showGame(detection.serial);
    RecentImages::add(QFileInfo(fileName).absoluteFilePath());
    fillRecentMenu();
    const std::string refusal = checkValues(true);
    showHeader();
    // The image stays selected, its values read where they usually lie.
    if (!refusal.empty())
        ReportError(refusal);
}

std::string MainWindow::checkValues(bool selecting)
{
    mValueRows.clear();
    if (EditorItemsOf(mSession->gameCode()) == 0)
        return {};
    try {
        const std::string& path = mSession->path();
        RomFile file(path, RomFile::Access::Read);
        file.requireOpen(path);
        const EditorValuesRead read = ReadEditorValues(file, path, mSession->gameCode());
        if (read.places.empty())
            return {};
        if (selecting)
            mSession->setMoves(*read.moves);
        if (!read.layoutPath.empty())
            mValueRows += headerRow(tr("Layout"), tr("%1 moves %2 of the values")
                                                      .arg(QFileInfo(ShownPath(read.layoutPath)).fileName())
                                                      .arg(read.moves->size()));
        std::set<std::string> suspect;
        for (const SuspectPlace& place : SuspectPlaces(read))
            suspect.insert(place.key);
        if (!suspect.empty())
            mValueRows += headerRow(
                tr("Values"),
                (read.layoutPath.empty()
                     ? tr("%1 of %2 values do not look as expected at their usual place: this image may be modified "
                          "(Image > Locate Moved Values...).")
                     : tr("%1 of %2 values do not look as expected at their place: this image may be modified "
                          "(Image > Locate Moved Values...)."))
                    .arg(suspect.size())
                    .arg(read.places.size()));
    } catch (const KorvaneError& e) {
        mValueRows += headerRow(tr("Values"), tr("not checked: %1").arg(e.what()));
        return e.what();
    }
    return {};
}

void MainWindow::locateMovedValues()
{
    const std::string path = mSession->path();
    // The untouched original, where a backup kept it.
    const QString kept = ShownPath(OriginalBackupOf(path));
    const QString original =
        ChooseFile(this, tr("Untouched original image"),
                   QFileInfo::exists(kept) ? kept : QFileInfo(ShownPath(path)).absolutePath(), RomOpenDialog::filter(),
                   false);
    if (original.isEmpty())
        return;
    requireExactName(original, tr("Cannot use %1: %2"));
    bool saved = false;
    {
        // Gone before the editors are: they are all the window's dialogs.
        LocateDialog dialog(LocateImageValues(CorePath(original), path), LayoutFileOf(path), this);
        saved = dialog.exec() == QDialog::Accepted;
    }
    if (!saved)
        return;
    ShowStatus(tr("Wrote %1; the image is read through it.").arg(QFileInfo(ShownPath(LayoutFileOf(path))).fileName()));
    // Read again through the layout, the editors' edits settled first.
    selectFile(ShownPath(path));
}

// The sum running for the header panel: its thread and how to stop it.
struct MainWindow::HeaderSum
{
    std::unique_ptr<QThread> thread;
    std::atomic_bool stop{false};
};

MainWindow::~MainWindow()
{
    stopHeaderSum();
    // The editors hold the session.
    qDeleteAll(findChildren<QDialog*>(Qt::FindDirectChildrenOnly));
}

bool MainWindow::aboutToSave(const std::vector<EditorModel*>& models)
{
    // The sum holds the image open for reading.
    stopHeaderSum();
    // Another open editor's pending edit of the same bytes is not written
    // over unasked.
    std::vector<std::pair<std::int64_t, std::int64_t>> ours;
    for (const EditorModel* model : models) {
        for (const ImageSnapshot::Value& value : model->changes())
            ours.emplace_back(value.offset, value.offset + std::int64_t(value.bytes.size()));
    }
    for (TrackedForm* form : modifiedForms()) {
        if (form->isSaving())
            continue;
        std::vector<EditorModel*> theirs;
        try {
            theirs = form->wantedModels(false);
        } catch (const KorvaneError&) {
            // Input that is no value yet holds no bytes.
            continue;
        }
        std::int64_t clash = -1;
        for (const EditorModel* model : theirs) {
            for (const ImageSnapshot::Value& value : model->changes()) {
                const std::int64_t end = value.offset + std::int64_t(value.bytes.size());
                for (const auto& [from, to] : ours) {
                    if (value.offset < to && from < end && clash < 0)
                        clash = std::max(from, value.offset);
                }
            }
        }
        if (clash >= 0
            && Ask(tr("%1 holds an unsaved edit of the same bytes (at %2). Save over it?")
                       .arg(capitalized(form->editorName()),
                            QString::fromStdString(HexStr(static_cast<std::uint32_t>(clash), 0))),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                   != QMessageBox::Yes)
            return false;
    }
    return true;
}

void MainWindow::saved(const std::vector<EditorModel*>&, const SaveReport&)
{
    // The other editors show what the image holds now, where they hold no
    // edit of their own.
    for (TrackedForm* form : openForms()) {
        if (!form->isSaving())
            form->reread(true);
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!mSession)
                return;
            checkValues(false);
            showHeader();
        },
        Qt::QueuedConnection);
}

void MainWindow::stopHeaderSum()
{
    if (!mHeaderSum)
        return;
    mHeaderSum->stop = true;
    mHeaderSum->thread->wait();
    mHeaderSum.reset();
    // A sum stopped is not shown.
    ++mHeaderRequest;
}

void MainWindow::showHeader()
{
    stopHeaderSum();
    mUi->HeaderPanel->clear();
    const auto hex = [](std::uint32_t value, int digits) { return QString::fromStdString(HexStr(value, digits)); };
    QString serial = headerRow(tr("Serial"), QString::fromStdString(PrintableSerial(mSerial)));
    // What the title cannot say: a file that is no cartridge, a game no
    // editor serves.
    const bool saveState = mSession->gameCode() == "gst";
    if (!mMegaDriveHeader && !saveState)
        serial += headerRow(tr("Header"), tr("no \"SEGA\" at 0x100: not a Mega Drive cartridge header"));
    if (EditorItemsOf(mSession->gameCode()) == 0) {
        QString why;
        if (saveState)
            why = tr("none: a save state is not edited");
        else if (mSession->gameCode() == "un")
            why = tr("none: this program does not know this game");
        else
            why = tr("No editor of this program serves %1.").arg(fromCp1252(mSession->gameName()));
        serial += headerRow(tr("Editors"), why);
    }
    const QString access =
        mSession->readOnly() ? headerRow(tr("Access"), tr("read-only: the editors show it, none saves")) : QString();
    const auto show = [this, hex, serial, access](std::int64_t size, const QString& checksumRows) {
        const QString rows =
            headerRow(tr("Size"), tr("%L1 bytes (%2)").arg(size).arg(hex(static_cast<std::uint32_t>(size), 6)))
            + serial + checksumRows + access + mValueRows;
        mUi->HeaderPanel->setText(QStringLiteral("<table cellspacing=\"2\">") + rows + QStringLiteral("</table>"));
    };
    const QString checksum = tr("Checksum");
    show(mSession->size(), headerRow(checksum, tr("being summed…")));

    struct Result
    {
        HeaderState header;
        QString error;
    };
    auto result = std::make_shared<Result>();
    mHeaderSum = std::make_unique<HeaderSum>();
    const std::string path = mSession->path();
    const std::uint32_t size = mSession->size();
    std::atomic_bool* stop = &mHeaderSum->stop;
    mHeaderSum->thread.reset(QThread::create([path, stop, result] {
        try {
            result->header = ReadHeaderState(path, stop);
        } catch (const KorvaneError& e) {
            result->error = QString::fromStdString(e.what());
        }
    }));
    const quint64 request = ++mHeaderRequest;
    connect(mHeaderSum->thread.get(), &QThread::finished, this, [this, request, result, show, hex, size, checksum] {
        if (request != mHeaderRequest)
            return;
        const HeaderState& header = result->header;
        if (!result->error.isEmpty()) {
            show(size, headerRow(checksum, tr("not read: %1").arg(result->error)));
            return;
        }
        // A red that reads on the window's background, light or dark.
        const QString red = palette().color(QPalette::Window).lightness() < 128 ? QStringLiteral("#ff8080")
                                                                                : QStringLiteral("#c00000");
        const auto verdict = [red](bool ok) {
            if (ok)
                return tr("OK").toHtmlEscaped();
            return QStringLiteral("<span style=\"color:%1\"><b>%2</b></span>").arg(red, tr("MISMATCH").toHtmlEscaped());
        };
        QString rows;
        if (header.summed) {
            rows += headerRowHtml(checksum, tr("stored %1, computed %2: %3")
                                                .toHtmlEscaped()
                                                .arg(hex(header.storedChecksum, 4), hex(header.computedChecksum, 4),
                                                     verdict(header.checksumOk())));
            rows += headerRowHtml(tr("ROM end"), tr("stored %1, expected %2: %3")
                                                     .toHtmlEscaped()
                                                     .arg(hex(header.storedRomEnd, 6), hex(header.expectedRomEnd, 6),
                                                          verdict(header.romEndOk())));
        } else {
            rows += headerRow(checksum, tr("nothing to sum (0x200 bytes or fewer)"));
        }
        show(header.size, rows);
    });
    mHeaderSum->thread->start();
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    if (!mPainted) {
        mPainted = true;
        emit firstPainted();
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    const Qt::DropAction action = safeDropAction(event->possibleActions());
    if (urls.size() == 1 && urls.first().isLocalFile() && action != Qt::IgnoreAction) {
        event->setDropAction(action);
        event->accept();
    }
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    const Qt::DropAction action = safeDropAction(event->possibleActions());
    if (urls.size() != 1 || !urls.first().isLocalFile() || action == Qt::IgnoreAction)
        return;
    event->setDropAction(action);
    event->accept();
    const QString fileName = urls.first().toLocalFile();
    RunHandler([this, &fileName] { selectFile(fileName); });
}

void MainWindow::fillRecentMenu()
{
    mUi->FileRecent->clear();
    const QStringList recent = RecentImages::list();
    for (qsizetype i = 0; i < recent.size(); ++i) {
        QAction* item = mUi->FileRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(recent[i]));
        item->setObjectName(QStringLiteral("FileRecent%1").arg(i + 1));
        const QString fileName = recent[i];
        ConnectHandler(item, &QAction::triggered, this, [fileName](MainWindow* self) { self->openRecent(fileName); });
    }
    mUi->FileRecent->addSeparator();
    QAction* clear = mUi->FileRecent->addAction(tr("Clear Recent"));
    clear->setObjectName(QStringLiteral("FileRecentClear"));
    clear->setEnabled(!recent.isEmpty());
    ConnectHandler(clear, &QAction::triggered, this, [](MainWindow* self) {
        RecentImages::clear();
        self->fillRecentMenu();
    });
}

void MainWindow::openRecent(const QString& fileName)
{
    if (!QFileInfo::exists(fileName)) {
        RecentImages::remove(fileName);
        fillRecentMenu();
        ShowMessage(tr("%1 no longer exists; it was taken off the recent images.").arg(fileName));
        return;
    }
    selectFile(fileName);
}

void MainWindow::showGame(const std::string& serial)
{
    const QString name = fromCp1252(mSession->gameName());
    setWindowTitle(QFileInfo(ShownPath(mSession->path())).fileName() + QStringLiteral("[*] - ")
                   + QString::fromStdString(AppTitle()));
    if (mSession->gameCode() == "un" && !mMegaDriveHeader)
        mUi->LblGame->setText(tr("Not a Mega Drive cartridge image"));
    else if (mSession->gameCode() == "un")
        mUi->LblGame->setText(tr("Unknown ROM - %1").arg(QString::fromStdString(PrintableSerial(serial))));
    else if (mSession->gameCode() == "gst")
        mUi->LblGame->setText(name);
    else
        mUi->LblGame->setText(tr("%1 ROM").arg(name));
}

QList<QAction*> MainWindow::imageActions() const
{
    return {mUi->FilePatch, mUi->FilePlay, mUi->FileSaveCopy, mUi->FileRevert, mUi->EditorRepair, mUi->ImageLocate};
}

void MainWindow::setEditorItems(unsigned items)
{
    mUi->ViewerArt->setEnabled(items & ItemViewerArt);
    mUi->EditorWater->setEnabled(items & ItemEditorWater);
    mUi->EditorDemos->setEnabled(items & ItemEditorDemos);
    mUi->EditorBosses->setEnabled(items & ItemEditorBosses);
    mUi->EditorText->setEnabled(items & ItemEditorText);
    mUi->EditorPal->setEnabled(items & ItemEditorPal);
}

void MainWindow::quit()
{
    close();
}

void MainWindow::createPatch()
{
    const QString changed = ShownPath(mSession->path());
    // The untouched original, where a backup kept it.
    const QString kept = ShownPath(OriginalBackupOf(mSession->path()));
    const QString original = ChooseFile(this, tr("Original image"),
                                        QFileInfo::exists(kept) ? kept : QFileInfo(changed).absolutePath(),
                                        RomOpenDialog::filter(), false);
    if (original.isEmpty())
        return;
    const QFileInfo image(changed);
    const QString suggested = image.dir().filePath(image.completeBaseName() + QStringLiteral(".bps"));
    const QString out =
        ChooseFile(this, tr("Save patch"), suggested, tr("BPS patch (*.bps);;IPS patch (*.ips)"), true);
    if (out.isEmpty())
        return;
    for (const QString& name : {original, out})
        requireExactName(name, tr("Cannot use %1: %2"));
    const std::string outPath = CorePath(out);
    const std::string originalPath = CorePath(original);
    if (SameFile(outPath, originalPath) || SameFile(outPath, mSession->path()))
        throw KorvaneError(tr("The patch cannot be written over one of its images; nothing was written").toStdString());
    const PatchBytes originalBytes = ReadBinaryFile(originalPath);
    // A patch between two different cartridges is most likely a mistake.
    const std::string originalSerial =
        originalBytes.size() >= 0x18E ? std::string(originalBytes.begin() + 0x180, originalBytes.begin() + 0x18E)
                                      : std::string();
    if (originalSerial != mSerial
        && Ask(tr("The original's serial \"%1\" is not the selected image's \"%2\". Make the patch from it all the "
                  "same?")
                   .arg(fromCp1252(originalSerial), fromCp1252(mSerial)),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               != QMessageBox::Yes)
        return;
    const PatchFormat format = PatchFormatOfName(outPath).value_or(PatchFormat::Bps);
    const PatchBytes patch = CreatePatch(format, originalBytes, ReadBinaryFile(mSession->path()));
    ReplaceFile(outPath, patch);
    ShowMessage(tr("The %1 patch holds %L2 bytes.").arg(QLatin1String(PatchFormatName(format))).arg(patch.size()));
}

void MainWindow::playImage()
{
    const std::vector<TrackedForm*> forms = modifiedForms();
    const QString name = QFileInfo(ShownPath(mSession->path())).fileName();
    if (forms.empty()) {
        if (PlayImage(this, mSession->path()))
            ShowStatus(tr("Playing %1 as saved.").arg(name));
        return;
    }
    // What is on screen, the image untouched.
    const std::vector<EditorModel*> models = pendingModels();
    if (!mPlayCopies)
        mPlayCopies = std::make_unique<QTemporaryDir>();
    if (!mPlayCopies->isValid())
        throw KorvaneError(
            tr("No temporary folder for the copy to play: %1").arg(mPlayCopies->errorString()).toStdString());
    const std::string copy = CorePath(mPlayCopies->filePath(name));
    mSession->saveCopy(models, copy, true);
    if (PlayImage(this, copy))
        ShowStatus(tr("Playing a copy of %1 with the unsaved edits of %2 (the image is unchanged).")
                       .arg(name, namesOf(forms)));
}

void MainWindow::fillLanguageMenu()
{
    mUi->SettingsLanguage->menuAction()->setObjectName(QStringLiteral("SettingsLanguageMenu"));
    auto* group = new QActionGroup(this);
    const QString chosen = QSettings().value(LanguageSettingKey()).toString();
    QList<std::pair<QString, QString>> items{{QString(), tr("&System")}};
    // Each language by its own name, with the first letter no item above
    // took as its accelerator.
    QString taken = QStringLiteral("s");
    for (const Language& language : Languages()) {
        QString name = language.name;
        for (qsizetype i = 0; i < name.size(); ++i) {
            if (name[i].isLetter() && !taken.contains(name[i].toLower())) {
                taken += name[i].toLower();
                name.insert(i, QLatin1Char('&'));
                break;
            }
        }
        items.append({language.code, name});
    }
    for (const auto& [code, name] : items) {
        QAction* item = mUi->SettingsLanguage->addAction(name);
        item->setObjectName(QStringLiteral("SettingsLanguage_") + (code.isEmpty() ? QStringLiteral("system") : code));
        item->setCheckable(true);
        item->setChecked(code == chosen);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [code] {
            QSettings settings;
            if (code.isEmpty())
                settings.remove(LanguageSettingKey());
            else
                settings.setValue(LanguageSettingKey(), code);
            ShowMessage(tr("The language changes when Pelbo Korvane starts again."));
        });
    }
}

void MainWindow::chooseEmulator()
{
    EmulatorDialog dialog(this);
    dialog.exec();
}

std::vector<TrackedForm*> MainWindow::openForms() const
{
    // Every editor window the main window owns, whoever opened it.
    std::vector<TrackedForm*> forms;
    for (const QDialog* window : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        if (TrackedForm* form = TrackedForm::of(window))
            forms.push_back(form);
    }
    return forms;
}

std::vector<TrackedForm*> MainWindow::modifiedForms() const
{
    std::vector<TrackedForm*> forms;
    for (TrackedForm* form : openForms()) {
        if (form->isModified())
            forms.push_back(form);
    }
    return forms;
}

std::vector<EditorModel*> MainWindow::pendingModels() const
{
    std::vector<EditorModel*> models;
    for (TrackedForm* form : modifiedForms()) {
        const std::vector<EditorModel*> wanted = form->wantedModels();
        models.insert(models.end(), wanted.begin(), wanted.end());
    }
    return models;
}

QDialog* MainWindow::editorWindow(EditorId id) const
{
    const auto found = mEditors.find(id);
    return found == mEditors.end() ? nullptr : found->second.data();
}

bool MainWindow::settleUnsaved()
{
    const std::vector<TrackedForm*> forms = modifiedForms();
    if (forms.empty())
        return true;
    const QString name = QFileInfo(ShownPath(mSession->path())).fileName();
    const bool readOnly = mSession->readOnly();
    const QString text = readOnly ? tr("%1 is read-only: keep the unsaved edits in %2 in a copy of it?")
                                        .arg(name, namesOf(forms))
                                  : tr("Save the unsaved edits in %1 to %2?").arg(namesOf(forms), name);
    QMap<QMessageBox::StandardButton, QString> labels;
    if (readOnly)
        labels.insert(QMessageBox::SaveAll, tr("Save a Copy..."));
    switch (Ask(text, QMessageBox::SaveAll | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::SaveAll,
                labels)) {
    case QMessageBox::SaveAll:
        if (readOnly) {
            bool copied = false;
            RunHandler([this, &copied] { copied = saveCopy(); });
            return copied;
        }
        for (TrackedForm* form : forms) {
            if (!form->save())
                return false;
        }
        return true;
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool MainWindow::saveCopy()
{
    const std::vector<TrackedForm*> forms = modifiedForms();
    const std::vector<EditorModel*> models = pendingModels();
    const QFileInfo image(ShownPath(mSession->path()));
    const QString suggested = image.dir().filePath(image.completeBaseName() + QStringLiteral("-copy.")
                                                   + image.suffix());
    const QString target = ChooseFile(this, tr("Save a Copy"), suggested, RomOpenDialog::filter(), true);
    if (target.isEmpty())
        return false;
    requireExactName(target, tr("Cannot use %1: %2"));
    const SaveReport report = mSession->saveCopy(models, CorePath(target), mSession->fixChecksum());
    ShowStatus(SaveReportText(CorePath(target), report));
    return true;
}

void MainWindow::revert()
{
    const std::vector<TrackedForm*> forms = modifiedForms();
    if (forms.empty()) {
        ShowStatus(tr("No editor holds unsaved edits."));
        return;
    }
    if (Ask(tr("Discard the unsaved edits in %1?").arg(namesOf(forms)),
            QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel)
        != QMessageBox::Discard)
        return;
    for (TrackedForm* form : forms)
        form->reread(false);
    ShowStatus(tr("The editors show %1 as saved.").arg(QFileInfo(ShownPath(mSession->path())).fileName()));
}

void MainWindow::repairChecksum()
{
    const QString name = QFileInfo(ShownPath(mSession->path())).fileName();
    if (mSession->readOnly())
        throw KorvaneError(tr("%1 is read-only: its checksum cannot be repaired").arg(name).toStdString());
    const SaveReport report = mSession->repairChecksum();
    ShowStatus(report.checksumRepaired ? tr("Checksum of %1 repaired.").arg(name)
                                       : tr("The checksum of %1 was already right; nothing was written.").arg(name));
}

void MainWindow::closeEditors()
{
    for (auto& [id, window] : mEditors) {
        if (window)
            rememberGeometry(window, QString::fromUtf8(InfoOf(id).title));
    }
    mEditors.clear();
    // Every window on the image, however it was opened.
    qDeleteAll(findChildren<QDialog*>(Qt::FindDirectChildrenOnly));
    showModifiedMark();
}

void MainWindow::rememberGeometry(QWidget* window, const QString& key) const
{
    QSettings().setValue(QStringLiteral("windows/") + key, window->saveGeometry());
}

void MainWindow::showModifiedMark()
{
    setWindowModified(!modifiedForms().empty());
}

void MainWindow::showFixChecksum()
{
    mFixOff->setVisible(!mUi->Fix->isChecked());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ModifiedChange)
        showModifiedMark();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    bool settled = false;
    RunHandler([this, &settled] { settled = !mSession || settleUnsaved(); });
    if (!settled) {
        event->ignore();
        return;
    }
    closeEditors();
    QSettings().setValue(kGeometryKey, saveGeometry());
    QMainWindow::closeEvent(event);
}

void MainWindow::route(EditorItem item)
{
    const EditorId id = RouteFor(item, mSession ? mSession->gameCode() : std::string());
    if (id == EditorId::None)
        return;
    if (QDialog* open = editorWindow(id)) {
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    QDialog* const window = NewEditor(id, mSession.get(), mEditorMemory, this).release();
    if (!window)
        return;
    mEditors[id] = window;
    const QString key = QString::fromUtf8(InfoOf(id).title);
    window->setModal(false);
    // Where it was last, or beside the main window, each next one a step
    // further down.
    if (!window->restoreGeometry(QSettings().value(QStringLiteral("windows/") + key).toByteArray())) {
        const int step = 24 * int(mEditors.size() - 1);
        window->move(frameGeometry().topRight() + QPoint(8 + step, step));
    }
    // Ctrl+W closes the editor as its Close button does.
    auto* close = new QAction(window);
    close->setObjectName(QStringLiteral("CloseEditor"));
    close->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(QKeySequence::Close)});
    connect(close, &QAction::triggered, window, &QWidget::close);
    window->addAction(close);
    if (TrackedForm* form = TrackedForm::of(window))
        form->saveCopy = [this] {
            bool copied = false;
            RunHandler([this, &copied] { copied = saveCopy(); });
            return copied;
        };
    // Closed any way (Close, Escape, the title bar): gone, its place kept.
    connect(window, &QDialog::finished, this, [this, window, key] {
        rememberGeometry(window, key);
        window->deleteLater();
    });
    connect(window, &QObject::destroyed, this, [this] { QMetaObject::invokeMethod(this, &MainWindow::showModifiedMark, Qt::QueuedConnection); });
    window->installEventFilter(this);
    window->show();
}

void MainWindow::openDemosEditor()
{
    route(ItemEditorDemos);
}

void MainWindow::openWaterEditor()
{
    route(ItemEditorWater);
}

void MainWindow::openObjectEditor()
{
    route(ItemEditorBosses);
}

void MainWindow::openTextEditor()
{
    route(ItemEditorText);
}

void MainWindow::openPaletteEditor()
{
    route(ItemEditorPal);
}

void MainWindow::openArtViewer()
{
    route(ItemViewerArt);
}

void MainWindow::openDisassembler()
{
    route(ItemEditorDisasm);
}

void MainWindow::showAbout()
{
    const QString text = tr(
        "<h3>%1</h3>"
        "<p>Version %2</p>"
        "<p>An editor of the demos, water levels, objects, texts and palettes of the cartridge images "
        "of the Pelbo Mega Drive games.</p>"
        "<p>Copyright &copy; 2026 The Pelbo Korvane developers</p>"
        "<p>This program is free software: you can redistribute it and/or modify it under the terms of the "
        "GNU General Public License as published by the Free Software Foundation, either version 3 of the "
        "License, or (at your option) any later version.</p>"
        "<p>This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; "
        "without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the "
        "<a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">GNU General Public License</a> for more "
        "details.</p>");
    QMessageBox::about(this, tr("About %1").arg(QString::fromUtf8(kAppName)),
                       text.arg(QString::fromUtf8(kAppName), QString::fromLatin1(PackageVersion())));
}
