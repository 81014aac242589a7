#include "qt/key_chooser.h"

#include <QComboBox>

#include "gamecfg/key_catalogue.h"
#include "qt/bind_text.h"

namespace vbe {

void FillKeyChooser(QComboBox& chooser) {
  // The first item added to an empty list would become the current one and replace the text.
  const QString text = chooser.currentText();
  const int index = chooser.currentIndex();
  QStringList names;
  names.reserve(qsizetype(std::size(KeyCatalogue)));
  for (const std::string_view name : KeyCatalogue) names << BindTextToQString(name);
  chooser.addItems(names);  // one insertion for the whole list
  chooser.setCurrentIndex(index);
  chooser.setEditText(text);
}

}  // namespace vbe
