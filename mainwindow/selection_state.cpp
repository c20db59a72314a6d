// The selection state of the main window's lists.
#include "mainwindow/state.h"

CEOID SelectedContactOid = 0;
ContactDialTexts ContactDialInfo = {};
