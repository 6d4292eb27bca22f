#include "largest_project.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace tarne::bench {
namespace {

constexpr int kLayers = 40;
constexpr double kLayerThickness = 2.5;  // m: 40 layers reach 100 m
constexpr int kCptPoints = 1000;
constexpr int kExtraDepths = 90;

std::string number(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.8g", v);
    return buffer;
}

}  // namespace

std::filesystem::path write_largest_project(const std::filesystem::path& folder) {
    const auto data_path = folder / "largest.tq7d";
    std::ofstream data(data_path, std::ios::binary);
    const auto line = [&](const std::string& text) { data << text << "\r\n"; };
    line("Largest project: 40 layers, 500 elements, every method");
    line("Benchmark");
    line("BENCH-1");
    line("2 5 " + std::to_string(2 * kLayers) + " 0 ");
    line("0 0 1000 950 200000000 97 2 ");  // open-ended pipe, 95 m embedded
    line("0 0 ");
    line("0 0.2 1 0 7 1 1 ");  // 100 m / 0.2 m = 500 elements; ICP/MTD for load transfer
    line("1 1 1 1 1 1 1 1 1 ");
    line("100 0 ");
    for (int k = 0; k < kLayers; ++k) {
        const bool sand = k % 2 == 0;
        for (int end = 0; end < 2; ++end) {
            const double depth = (k + end) * kLayerThickness;
            const std::string at = (k == 0 && end == 0) ? "0.0" : number(depth);
            if (sand) {
                line(at + " 1 0.8 10 " + number(30 + 0.1 * k) + " 20 ");
                line("0 0 0.0 " + std::to_string(15 + k) + " 0.0 0.0 " + number(8000 + 300 * depth) +
                     " 50 4000 1 1 0 ");
            } else {
                line(at + " 2 0.0 8 0.0 0.0 ");
                line("0 0 " + number(40 + 2 * depth) + " " + number(20 + depth) + " 2 30 " +
                     number(800 + 20 * depth) + " 40 3000 1 1 1 ");
            }
        }
    }
    line("1 ");
    line(std::to_string(kExtraDepths) + " ");
    for (int i = 1; i <= kExtraDepths; ++i) line(number(i * 1.0) + " ");
    line("0 1 ");
    line("0 0 ");
    line("2 0 ");
    line("0 0 ");
    line("97 0 ");
    line("0 0 ");

    std::ofstream cpt(folder / "largest.cpt", std::ios::binary);
    cpt << " 2 " << kCptPoints << "\r\n";
    for (int i = 0; i < kCptPoints; ++i) {
        char buffer[64];
        const double z = 0.1 * i;
        std::snprintf(buffer, sizeof buffer, "  %.2E  %.2E", z, 1000.0 + 150.0 * z);
        cpt << buffer << "\r\n";
    }
    return data_path;
}

}  // namespace tarne::bench
