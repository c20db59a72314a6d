#include "mainwindow/hooks.h"

MainWindowHooks Hooks = {};
