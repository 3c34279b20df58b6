#pragma once

// Deleting a program set and copying one set's data into the open set.

#include "app/app_context.h"

namespace orvanta {

// Removes the set's folder with everything in it, then the set from the list; when no set is
// left with Current above 0, the first set becomes current. prog.prg is not written (the
// program-set screen writes it when it closes). Throws IoError when the folder cannot be
// removed; the list is then unchanged.
// REQUIRES: no is not the open set.
void DeleteProgramSet(SchoolData& data, int no);

// Copies the data of set source_no (its option record and six record lists) into the files of
// the open set and leaves the open set current. The source set's files are only read. Throws
// IoError or DamagedFileError; when the source set cannot be opened, the Current marks are put
// back and the open set's files are unchanged.
// REQUIRES: a set is open and source_no names another set in the list.
void CopyProgramSetIntoOpenSet(AppContext& app, int source_no);

}  // namespace orvanta
