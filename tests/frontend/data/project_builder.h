// Projects built in code for the project-data tests.
#pragma once

#include <filesystem>
#include <string>

#include "DataUnit.h"

namespace tarne::test {

// A complete project in `units` (1 English, 2 S.I.) for pile type
// `pileType` (1..7): a 40 ft (12 m) pile in sand over clay over silt down to
// 80 ft (24 m), with t-z print depths, an area table and CPT points. Every
// value is given in English units and then converted, so the two unit
// systems describe the same project.
void BuildProject(TProgramData& project, int units, int pileType);

// A fresh folder for the test's files, removed afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string File(const std::string& name) const { return (Path_ / name).string(); }

private:
    std::filesystem::path Path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace tarne::test
