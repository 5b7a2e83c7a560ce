#pragma once

#include <QString>

#include <functional>

class QObject;

// Where the check mark of "Fix Checksum" comes from: the main window offers
// it while it lives. Without it, or once owner is gone, the mark counts as
// unticked. The last call wins.
void SetFixChecksumOption(QObject* owner, std::function<bool()> ticked);

// Last step of every editor's Save, once all of its writes succeeded:
// FixChecksum when "Fix Checksum" is ticked, and a flush of the image to
// the disk unless the repair wrote and flushed it, then the message. An
// error of either propagates and the message is not shown.
void FinishSaveWith(const QString& message);
// The same with "ROM Saved!".
void FinishSave();
