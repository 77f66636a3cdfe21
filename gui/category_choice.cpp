#include "gui/category_choice.h"

#include "gui/qt_text.h"

#include <QComboBox>

void ShowChoice(QComboBox& box, const CategoryChoice& choice) {
    box.clear();
    for (const std::string& item : choice.Items) {
        box.addItem(ToQt(item));
    }
    box.setCurrentIndex(choice.Selected);
}
