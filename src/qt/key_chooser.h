#pragma once

class QComboBox;

namespace vbe {

// Appends the key names of the KeyCatalogue, in catalogue order, to the chooser's drop-down
// list. The chooser's text and selection stay as they were.
void FillKeyChooser(QComboBox& chooser);

}  // namespace vbe
