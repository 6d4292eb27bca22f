// The data file (".tq7d", and the older ".tq6d" and ".tqd" for reading) and
// the CPT file (".cpt") of a project: one reader and one writer each.
//
// The layout is positional: header lines 1 to 9, two points (top and
// bottom) of two lines each per soil layer, then the t-z depths, loading,
// ICP/plug options, the cross-section area table and the critical depth.
// Files are text with CR LF line ends and "." as the decimal point whatever
// the process locale.
#pragma once

#include <string>

#include "DataUnit.h"
#include "WordRead.h"

namespace tarne {

// The text of the data file in the current format. Reals of the project's
// fields carry at most 10 significant digits, reals of its grid tables at
// most 8.
std::string DataFileText(const TProgramData& project);

// The text of the CPT file: the unit system and the point count, then depth
// and Qc of every point in exponent form with 3 significant digits.
std::string CptFileText(const TProgramData& project);

// Reads a data file of `format` into a project that holds the defaults. The
// unit system of the file is applied first, so every later value is taken
// in it. Throws EInOutError at the first value that is missing or not the
// expected number, or at a soil kind other than 1, 2 and 3; what was read
// before stays in the project.
void ReadDataFile(TProgramData& project, TWordReader& reader, int format);

// Reads a CPT file into the project's CPT points (replacing them) and
// CptCount. Points given in the other unit system are converted. Throws
// EInOutError as ReadDataFile does; the points read before stay.
void ReadCptFile(TProgramData& project, TWordReader& reader);

// Writes `content` to `path` through a temporary file in the same folder
// that then replaces `path`, so that `path` is never left half-written.
// Throws EInOutError when the file cannot be written.
void WriteFileReplacing(const std::string& path, const std::string& content);

}  // namespace tarne
