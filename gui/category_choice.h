// The categories' drop-down list of the link and add-site dialogs.
#pragma once

#include "commands/forms.h"

class QComboBox;

void ShowChoice(QComboBox& box, const CategoryChoice& choice);
