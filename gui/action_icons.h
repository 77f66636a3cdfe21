// The pictures of the commands: the desktop's icon theme where it has one,
// otherwise the pictures built into the widget style, so that a bare machine
// shows pictures too.
#pragma once

#include "commands/command_table.h"

#include <QIcon>

QIcon ActionIcon(Action action);
