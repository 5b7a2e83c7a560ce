#include "editors/palette/palettemodel.h"

PaletteEditorState PalEdit;
