#pragma once

// All record layouts of a program set and of the installation.
#include "data/clss_record.h"
#include "data/common_record.h"
#include "data/duty_record.h"
#include "data/global_record.h"
#include "data/lesson_record.h"
#include "data/option_record.h"
#include "data/prog_record.h"
#include "data/room_record.h"
#include "data/teacher_record.h"
