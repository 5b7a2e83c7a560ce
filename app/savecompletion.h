#pragma once

// Last step of the Save of the editors that repair the header: FixChecksum
// when the main menu's "Fix Checksum" is ticked, then "ROM Saved!". An error
// of the repair propagates and the message is not shown.
void FinishSave();
