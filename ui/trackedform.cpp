// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/trackedform.h"

#include "core/editormodel.h"
#include "core/imagesession.h"

#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "ui/emulator.h"
#include "ui/handlers.h"
#include "ui/notices.h"
#include "ui/filenames.h"
#include "ui/imagesave.h"

#include <QAbstractButton>
#include <QAbstractItemDelegate>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolTip>
#include <QUndoCommand>

#include <algorithm>

namespace {

// Between the cells of a table in its one text.
constexpr QChar kCellSeparator(0x1F);

QString valueOf(QWidget* control)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* spin = qobject_cast<QSpinBox*>(control))
        return QString::number(spin->value());
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return QString::number(combo->currentIndex());
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* slider = qobject_cast<QAbstractSlider*>(control))
        return QString::number(slider->value());
    if (auto* table = qobject_cast<QTableWidget*>(control)) {
        QStringList cells;
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                const QTableWidgetItem* item = table->item(row, column);
                cells << (item ? item->text() : QString());
            }
        }
        return cells.join(kCellSeparator);
    }
    return {};
}

// Puts a value back as the user would have made it, so that the window's
// own reactions run (a zone chosen sets which acts may be chosen).
void setValueOf(QWidget* control, const QString& value)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(value);
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        spin->setValue(value.toInt());
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setCurrentIndex(value.toInt());
        emit combo->activated(combo->currentIndex());
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        // The checked one of a group unchecks the others.
        if (value == QLatin1String("1") || !button->autoExclusive())
            button->setChecked(value == QLatin1String("1"));
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
        slider->setValue(value.toInt());
    } else if (auto* table = qobject_cast<QTableWidget*>(control)) {
        const QStringList cells = value.split(kCellSeparator);
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                QTableWidgetItem* item = table->item(row, column);
                const qsizetype k = qsizetype(row) * table->columnCount() + column;
                if (item && k < cells.size() && item->text() != cells[k])
                    item->setText(cells[k]);
            }
        }
    }
}

// How an undo step names its control: the label a screen reader gives, its
// tooltip, or its name.
QString nameOf(const QWidget* control)
{
    if (control) {
        for (const QString& name : {control->accessibleName(), control->toolTip(), control->objectName()}) {
            if (!name.isEmpty())
                return name;
        }
    }
    return TrackedForm::tr("change");
}

bool isTypingControl(const QObject* object)
{
    return qobject_cast<const QLineEdit*>(object) || qobject_cast<const QAbstractSpinBox*>(object);
}

// A spin box's text holds no value it can take.
bool holdsNoValue(const QAbstractSpinBox* spin)
{
    QString text = spin->text();
    int position = 0;
    return spin->validate(text, position) != QValidator::Acceptable;
}

} // namespace

// One edit of one control (or of the window's own state): everything the
// window held before it and after it.
class TrackedEdit : public QUndoCommand
{
public:
    TrackedEdit(TrackedForm* form, int source, int generation, QStringList before, QStringList after,
                const QString& name)
        : QUndoCommand(name), mForm(form), mSource(source), mGeneration(generation),
          mBefore(std::move(before)), mAfter(std::move(after))
    {
    }

    int id() const override { return 1; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* edit = static_cast<const TrackedEdit*>(other);
        if (edit->mSource != mSource || edit->mGeneration != mGeneration)
            return false;
        mAfter = edit->mAfter;
        return true;
    }

    void undo() override { mForm->restore(mBefore); }

    void redo() override
    {
        // Pushed when the edit has been made already.
        if (mDone)
            mForm->restore(mAfter);
        mDone = true;
    }

private:
    TrackedForm* mForm;
    int mSource;
    int mGeneration;
    QStringList mBefore;
    QStringList mAfter;
    bool mDone = false;
};

TrackedForm::TrackedForm(QDialog* window, ImageSession& session, QAbstractButton* save, Saving saving,
                         std::vector<QWidget*> controls, State state)
    : QObject(window), mWindow(window), mSession(session), mSave(save), mSaving(std::move(saving)),
      mControls(std::move(controls)), mState(std::move(state)), mStack(this)
{
    setObjectName(QStringLiteral("TrackedForm"));
    for (QWidget* control : mControls) {
        const auto changed = [this, control] { controlChanged(control); };
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            connect(edit, &QLineEdit::textChanged, this, changed);
        else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
            connect(spin, &QSpinBox::valueChanged, this, changed);
            // Text that is no value yet is input held back.
            connect(spin, &QSpinBox::textChanged, this, &TrackedForm::showModified);
        } else if (auto* combo = qobject_cast<QComboBox*>(control))
            connect(combo, &QComboBox::currentIndexChanged, this, changed);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            connect(button, &QAbstractButton::toggled, this, changed);
        else if (auto* slider = qobject_cast<QAbstractSlider*>(control))
            connect(slider, &QAbstractSlider::valueChanged, this, changed);
        else if (auto* table = qobject_cast<QTableWidget*>(control))
            connect(table, &QTableWidget::itemChanged, this, changed);
    }
    connect(mSave, &QAbstractButton::clicked, this, [this] { this->save(); });

    auto* saveAction = new QAction(tr("Save"), window);
    saveAction->setShortcut(QKeySequence::Save);
    connect(saveAction, &QAction::triggered, this, [this] {
        if (mSave->isEnabled())
            this->save();
    });
    // Save, then try the image at once. A refused Save plays nothing.
    auto* playAction = new QAction(tr("Save and Play"), window);
    playAction->setObjectName(QStringLiteral("SaveAndPlayAction"));
    playAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F5));
    const auto saveAndPlay = [this] {
        if (mSave->isEnabled() && this->save())
            PlayImage(mWindow, mSession.path());
    };
    connect(playAction, &QAction::triggered, this, saveAndPlay);
    mPlay = window->findChild<QAbstractButton*>(QStringLiteral("SaveAndPlay"));
    if (mPlay) {
        connect(mPlay, &QAbstractButton::clicked, this, saveAndPlay);
        // On and off with Save.
        mPlay->setEnabled(mSave->isEnabled());
        mSave->installEventFilter(this);
    }
    // Undo and redo of the window, not of a box's own typing; a cell being
    // edited is committed first, so that its edit is the step undone.
    auto* undo = mUndo = new QAction(window);
    undo->setObjectName(QStringLiteral("EditUndo"));
    undo->setShortcuts(QKeySequence::Undo);
    auto* redo = mRedo = new QAction(window);
    redo->setObjectName(QStringLiteral("EditRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(undo, &QAction::triggered, this, [this] { undoStep(true); });
    connect(redo, &QAction::triggered, this, [this] { undoStep(false); });
    const auto showSteps = [this, undo, redo] {
        const QString undoName = mStack.undoText();
        const QString redoName = mStack.redoText();
        undo->setText(undoName.isEmpty() ? tr("Undo") : tr("Undo %1").arg(undoName));
        redo->setText(redoName.isEmpty() ? tr("Redo") : tr("Redo %1").arg(redoName));
        undo->setEnabled(mStack.canUndo());
        redo->setEnabled(mStack.canRedo());
    };
    connect(&mStack, &QUndoStack::indexChanged, this, showSteps);
    connect(&mStack, &QUndoStack::cleanChanged, this, showSteps);
    showSteps();
    window->addActions({saveAction, playAction, undo, redo});
    addEditMenu(undo, redo);
    // Every box that takes typing, now and later (a grid's cell editor),
    // hands the undo keys to the window.
    for (QWidget* box : window->findChildren<QWidget*>()) {
        if (isTypingControl(box))
            box->installEventFilter(this);
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now || !isTypingControl(now) || !mWindow->isAncestorOf(now))
            return;
        now->installEventFilter(this);
        // A cell's editor marks the window from the first key.
        if (auto* edit = qobject_cast<QLineEdit*>(now))
            connect(edit, &QLineEdit::textEdited, this, &TrackedForm::showModified, Qt::UniqueConnection);
    });
    window->installEventFilter(this);
    markClean();
}

void TrackedForm::showSuspects()
{
    if (!mSaving.read || !mTop)
        return;
    QStringList lines;
    for (const EditorModel* model : mSaving.read()) {
        for (const SuspectValue& value : model->suspects()) {
            if (!model->allowed(value.offset))
                lines << QString::fromStdString(value.text());
        }
    }
    if (!mSuspects) {
        mSuspects = new QWidget(mWindow);
        mSuspects->setObjectName(QStringLiteral("SuspectValues"));
        auto* row = new QHBoxLayout(mSuspects);
        auto* text = new QLabel(mSuspects);
        text->setObjectName(QStringLiteral("SuspectText"));
        text->setWordWrap(true);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* anyway = new QPushButton(tr("&Edit Anyway"), mSuspects);
        anyway->setObjectName(QStringLiteral("EditAnyway"));
        anyway->setToolTip(tr("Let a Save write over these values"));
        row->addWidget(text, 1);
        row->addWidget(anyway, 0, Qt::AlignTop);
        connect(anyway, &QPushButton::clicked, this, [this] {
            for (EditorModel* model : mSaving.read()) {
                for (const SuspectValue& value : model->suspects())
                    model->allow(value.offset);
            }
            showSuspects();
        });
        mTop->addWidget(mSuspects);
    }
    mSuspects->findChild<QLabel*>(QStringLiteral("SuspectText"))
        ->setText(tr("These values do not look as expected at their place, so a Save leaves them alone; this image "
                     "may be modified.")
                  + QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
    mSuspects->setVisible(!lines.isEmpty());
}

void TrackedForm::markClean()
{
    showSuspects();
    mClean = mCurrent = snapshot();
    // Edits after this point never merge into one made before it.
    mStack.setClean();
    if (!mWindow->windowTitle().contains(QLatin1String("[*]")))
        mWindow->setWindowTitle(mWindow->windowTitle() + QStringLiteral("[*]"));
    showModified();
}

bool TrackedForm::isModified() const
{
    return snapshot() != mClean || hasPending();
}

void TrackedForm::setPending(Pending pending)
{
    mPending = std::move(pending);
    showModified();
}

void TrackedForm::pendingChanged()
{
    showModified();
}

bool TrackedForm::hasPending() const
{
    for (QWidget* control : mControls) {
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(control); spin && holdsNoValue(spin))
            return true;
        // A cell being typed into.
        if (auto* view = qobject_cast<QAbstractItemView*>(control)) {
            const QModelIndex index = view->currentIndex();
            const auto* editor = qobject_cast<QLineEdit*>(index.isValid() ? view->indexWidget(index) : nullptr);
            if (editor && editor->text() != index.data(Qt::EditRole).toString())
                return true;
        }
    }
    return mPending.held && mPending.held();
}

void TrackedForm::commitCellEditors()
{
    for (QWidget* control : mControls) {
        auto* view = qobject_cast<QAbstractItemView*>(control);
        if (!view)
            continue;
        // The grids keep no editor open but the one being typed into.
        const QModelIndex index = view->currentIndex();
        QWidget* editor = index.isValid() ? view->indexWidget(index) : nullptr;
        if (!editor)
            continue;
        // As leaving the cell does: its text becomes the cell's.
        QAbstractItemDelegate* delegate = view->itemDelegateForIndex(index);
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TrackedForm::commitPending()
{
    commitCellEditors();
    for (QWidget* control : mControls) {
        auto* spin = qobject_cast<QSpinBox*>(control);
        if (!spin)
            continue;
        if (holdsNoValue(spin)) {
            spin->setFocus();
            spin->selectAll();
            throw KorvaneError(refusalOf(spin, spin->text()).toStdString());
        }
        spin->interpretText();
    }
    if (mPending.held && mPending.held())
        mPending.apply();
}

QString TrackedForm::refusalOf(const QSpinBox* spin, const QString& text) const
{
    QString typed = text;
    if (typed.startsWith(spin->prefix()))
        typed.remove(0, spin->prefix().size());
    if (typed.endsWith(spin->suffix()))
        typed.chop(spin->suffix().size());
    const NumberField field{nameOf(spin).toStdString(), 0, spin->minimum(), spin->maximum(),
                            spin->suffix().trimmed().toStdString()};
    bool number = false;
    typed.trimmed().toLongLong(&number);
    const std::string shown = typed.toStdString();
    return QString::fromStdString(number ? OutOfRangeMessage(shown, field) : InvalidNumberMessage(shown, field));
}

void TrackedForm::explainRefusedKey(QWidget* control, const QKeyEvent* key)
{
    auto* spin = qobject_cast<QSpinBox*>(control);
    auto* edit = spin ? spin->findChild<QLineEdit*>() : nullptr;
    if (!edit || key->text().isEmpty() || !key->text().at(0).isPrint())
        return;
    QString text = edit->text();
    int position = edit->cursorPosition();
    if (edit->hasSelectedText()) {
        position = edit->selectionStart();
        text.remove(position, edit->selectedText().size());
    }
    text.insert(position, key->text());
    position += int(key->text().size());
    // The box drops such a key; say why instead of dropping it unseen.
    if (static_cast<const QAbstractSpinBox*>(spin)->validate(text, position) == QValidator::Invalid)
        QToolTip::showText(spin->mapToGlobal(QPoint(0, spin->height())), refusalOf(spin, text), spin);
}

QAction* TrackedForm::undoActionFor(const QKeyEvent* key) const
{
    for (QAction* action : {mUndo, mRedo}) {
        for (const QKeySequence& shortcut : action->shortcuts()) {
            if (shortcut.count() == 1 && shortcut[0] == key->keyCombination())
                return action;
        }
    }
    return nullptr;
}

void TrackedForm::undoStep(bool undo)
{
    commitCellEditors();
    if (undo)
        mStack.undo();
    else
        mStack.redo();
}

void TrackedForm::addEditMenu(QAction* undo, QAction* redo)
{
    auto* bar = new QMenuBar(mWindow);
    bar->setObjectName(QStringLiteral("EditMenuBar"));
    QMenu* edit = bar->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    edit->addActions({undo, redo});
    mMenuBar = bar;
    if (QLayout* layout = mWindow->layout()) {
        // The menu and, when there are any, the values that do not look as
        // expected, above everything else.
        auto* top = new QWidget(mWindow);
        mTop = new QVBoxLayout(top);
        mTop->setContentsMargins(0, 0, 0, 0);
        mTop->addWidget(bar);
        layout->setMenuBar(top);
        return;
    }
    // A window placed by hand: everything moves down by the bar's height.
    const int height = bar->sizeHint().height();
    for (QWidget* child : mWindow->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != bar && !child->isWindow())
            child->move(child->x(), child->y() + height);
    }
    const bool fixed = mWindow->minimumSize() == mWindow->maximumSize();
    const QSize grown = mWindow->size() + QSize(0, height);
    if (fixed) {
        mWindow->setFixedSize(grown);
    } else {
        mWindow->setMinimumSize(mWindow->minimumSize() + QSize(0, height));
        mWindow->resize(grown);
    }
    bar->setGeometry(0, 0, mWindow->width(), height);
}

void TrackedForm::stateChanged(const QString& name, int key)
{
    // Sources at and below -1 are the state's; the controls count from 0.
    recordEdit(-1 - std::max(key, 0), name.isEmpty() ? nameOf(nullptr) : name);
}

TrackedForm* TrackedForm::of(const QWidget* window)
{
    return window ? window->findChild<TrackedForm*>(QStringLiteral("TrackedForm"), Qt::FindDirectChildrenOnly) : nullptr;
}

std::vector<EditorModel*> TrackedForm::wantedModels(bool commitInput)
{
    if (commitInput)
        commitPending();
    return mSaving.want();
}

QString TrackedForm::editorName() const
{
    QString what = mWindow->windowTitle();
    what.remove(QStringLiteral("[*]"));
    what = WithoutReadOnlyMark(what).section(QStringLiteral(" - "), 0, 0);
    return what.isEmpty() ? tr("this editor") : tr("the %1").arg(what);
}

void TrackedForm::reread(bool keepEdits)
{
    if (!mSaving.reread)
        return;
    commitCellEditors();
    const QStringList clean = mClean;
    const QStringList edited = snapshot();
    const auto controls = qsizetype(mControls.size());
    ++mRestoring;
    RunHandler([this] { mSaving.reread(); });
    --mRestoring;
    const QStringList fresh = snapshot();
    showSuspects();
    mStack.clear();
    mClean = mCurrent = fresh;
    if (keepEdits && edited != clean) {
        QStringList merged = fresh;
        for (qsizetype i = 0; i < controls && i < edited.size() && i < merged.size(); ++i) {
            if (edited[i] != clean.value(i))
                merged[i] = edited[i];
        }
        // The state (what no control holds) as one: kept whole when edited.
        if (edited.mid(controls) != clean.mid(controls))
            merged = merged.mid(0, controls) + edited.mid(controls);
        restore(merged);
    }
    mStack.setClean();
    showModified();
}

bool TrackedForm::save()
{
    // One Save at a time: nothing in a Save turns the event loop, and a
    // Save asked for meanwhile (by a nested loop) would run inside it.
    if (mInSave)
        return false;
    mInSave = true;
    const bool saved = RunHandler([this] {
        commitPending();
        const std::vector<EditorModel*> models = mSaving.want();
        if (models.empty())
            return;
        SaveImage(mSession, models);
        // What the window shows once the image holds its values (their
        // stored forms) is no edit.
        ++mRestoring;
        struct Done
        {
            int& restoring;
            ~Done() { --restoring; }
        } done{mRestoring};
        if (mSaving.saved)
            mSaving.saved();
    });
    mInSave = false;
    if (!saved) {
        mCurrent = snapshot();
        showModified();
        return false;
    }
    markClean();
    return true;
}

QStringList TrackedForm::snapshot() const
{
    QStringList values;
    for (QWidget* control : mControls)
        values << valueOf(control);
    if (mState.get)
        values << mState.get();
    return values;
}

void TrackedForm::restore(const QStringList& values)
{
    ++mRestoring;
    RunHandler([&] {
        for (std::size_t i = 0; i < mControls.size() && qsizetype(i) < values.size(); ++i)
            setValueOf(mControls[i], values[qsizetype(i)]);
        if (mState.set)
            mState.set(values.mid(qsizetype(mControls.size())));
    });
    --mRestoring;
    mCurrent = snapshot();
    showModified();
}

void TrackedForm::controlChanged(QWidget* control)
{
    const auto found = std::find(mControls.begin(), mControls.end(), control);
    recordEdit(int(found - mControls.begin()), nameOf(control));
}

void TrackedForm::recordEdit(int source, const QString& name)
{
    if (mRestoring > 0)
        return;
    QStringList now = snapshot();
    if (now == mCurrent)
        return;
    mStack.push(new TrackedEdit(this, source, mStack.cleanIndex(), mCurrent, now, name));
    mCurrent = std::move(now);
    showModified();
}

void TrackedForm::showModified()
{
    mWindow->setWindowModified(isModified());
}

bool TrackedForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mSave && mPlay && event->type() == QEvent::EnabledChange)
        mPlay->setEnabled(mSave->isEnabled());
    if (watched == mWindow && event->type() == QEvent::Resize && mMenuBar && !mWindow->layout())
        mMenuBar->resize(mWindow->width(), mMenuBar->height());
    if (watched != mWindow && isTypingControl(watched)) {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (QAction* step = undoActionFor(key)) {
            // Taken from the box's own undo: the key comes to it as a key
            // press, which goes to the window's history.
            if (event->type() == QEvent::ShortcutOverride)
                event->accept();
            else
                step->trigger();
            return true;
        }
        if (event->type() == QEvent::KeyPress)
            explainRefusedKey(static_cast<QWidget*>(watched), key);
        return false;
    }
    if (watched != mWindow)
        return false;
    if (event->type() == QEvent::KeyPress) {
        // Escape closes the window the way every other close does, with the
        // question.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            mWindow->close();
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::Close)
        return false;
    // A read-only image keeps its edits only in a copy.
    const bool copy = mSession.readOnly();
    if ((copy && !saveCopy) || (!copy && !mSave->isEnabled()))
        return false;
    // A cell being typed into is an edit like any other.
    commitCellEditors();
    if (!isModified())
        return false;
    const QString name = QFileInfo(ShownPath(mSession.path())).fileName();
    QMap<QMessageBox::StandardButton, QString> labels;
    if (copy)
        labels.insert(QMessageBox::Save, tr("Save a Copy..."));
    switch (Ask(copy ? tr("%1 is read-only: keep the changes in %2 in a copy of it before closing?")
                           .arg(name, editorName())
                     : tr("Save the changes in %1 to %2 before closing?").arg(editorName(), name),
                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save, labels)) {
    case QMessageBox::Save:
        if (copy ? saveCopy() : save())
            return false;
        break;
    case QMessageBox::Discard:
        return false;
    default:
        break;
    }
    event->ignore();
    return true;
}
