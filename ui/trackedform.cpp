// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/trackedform.h"

#include "core/apptexts.h"
#include "core/romaccess.h"
#include "ui/emulator.h"
#include "ui/handlers.h"
#include "ui/notices.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
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
QString nameOf(QWidget* control)
{
    if (!control)
        return QStringLiteral("change");
    for (const QString& name : {control->accessibleName(), control->toolTip(), control->objectName()}) {
        if (!name.isEmpty())
            return name;
    }
    return QStringLiteral("change");
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

TrackedForm::TrackedForm(QDialog* window, QAbstractButton* save, std::function<void()> handler,
                         std::vector<QWidget*> controls, State state)
    : QObject(window), mWindow(window), mSave(save), mHandler(std::move(handler)), mControls(std::move(controls)),
      mState(std::move(state)), mStack(this)
{
    for (QWidget* control : mControls) {
        const auto changed = [this, control] { controlChanged(control); };
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            connect(edit, &QLineEdit::textChanged, this, changed);
        else if (auto* spin = qobject_cast<QSpinBox*>(control))
            connect(spin, &QSpinBox::valueChanged, this, changed);
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            connect(combo, &QComboBox::currentIndexChanged, this, changed);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            connect(button, &QAbstractButton::toggled, this, changed);
        else if (auto* slider = qobject_cast<QAbstractSlider*>(control))
            connect(slider, &QAbstractSlider::valueChanged, this, changed);
        else if (auto* table = qobject_cast<QTableWidget*>(control))
            connect(table, &QTableWidget::itemChanged, this, changed);
    }
    connect(mSave, &QAbstractButton::clicked, this, [this] { this->save(); });

    auto* saveAction = new QAction(QStringLiteral("Save"), window);
    saveAction->setShortcut(QKeySequence::Save);
    connect(saveAction, &QAction::triggered, this, [this] {
        if (mSave->isEnabled())
            this->save();
    });
    // Save, then try the image at once. A refused Save plays nothing.
    auto* playAction = new QAction(QStringLiteral("Save and Play"), window);
    playAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F5));
    const auto saveAndPlay = [this] {
        if (mSave->isEnabled() && this->save())
            PlayImage(mWindow, Rom.RomPath);
    };
    connect(playAction, &QAction::triggered, this, saveAndPlay);
    mPlay = window->findChild<QAbstractButton*>(QStringLiteral("SaveAndPlay"));
    if (mPlay) {
        connect(mPlay, &QAbstractButton::clicked, this, saveAndPlay);
        // On and off with Save.
        mPlay->setEnabled(mSave->isEnabled());
        mSave->installEventFilter(this);
    }
    QAction* undo = mStack.createUndoAction(window);
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = mStack.createRedoAction(window);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    window->addActions({saveAction, playAction, undo, redo});
    window->installEventFilter(this);
    markClean();
}

void TrackedForm::markClean()
{
    mClean = mCurrent = snapshot();
    // Edits after this point never merge into one made before it.
    mStack.setClean();
    if (!mWindow->windowTitle().contains(QLatin1String("[*]")))
        mWindow->setWindowTitle(mWindow->windowTitle() + QStringLiteral("[*]"));
    showModified();
}

bool TrackedForm::isModified() const
{
    return snapshot() != mClean;
}

void TrackedForm::stateChanged(const QString& name, int key)
{
    // Sources at and below -1 are the state's; the controls count from 0.
    recordEdit(-1 - std::max(key, 0), name.isEmpty() ? nameOf(nullptr) : name);
}

bool TrackedForm::save()
{
    if (!RunHandler(mHandler))
        return false;
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
    if (event->type() != QEvent::Close || !mSave->isEnabled() || !isModified())
        return false;
    QString what = mWindow->windowTitle();
    what.remove(QStringLiteral("[*]"));
    what.remove(QStringLiteral(" (read-only)"));
    const QString prefix = QString::fromStdString(AppTitle()) + QStringLiteral(" - ");
    if (what.startsWith(prefix))
        what = what.mid(prefix.size());
    if (what.isEmpty() || what == QString::fromStdString(AppTitle()))
        what = QStringLiteral("this editor");
    switch (Ask(QStringLiteral("Save changes to %1 before closing?").arg(what),
                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save:
        if (save())
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
