#include "summary.h"

#include <charconv>
#include <ostream>

#include "capacity_table.h"
#include "fixed_format.h"
#include "methods/registry.h"

namespace tarne::cli {
namespace {

const char* force_unit(const AnalysisState& s) { return s.unit_system == kEnglish ? "kips" : "kN"; }
const char* length_unit(const AnalysisState& s) { return s.unit_system == kEnglish ? "ft" : "m"; }

// The shortest text that reads back as the same double, "." as the decimal point.
std::string exact(double v) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    return std::string(buffer, end);
}

std::string json_text(std::string_view s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string csv_text(std::string_view s) {
    if (s.find_first_of(",\"") == std::string_view::npos) return std::string(s);
    std::string out = "\"";
    for (const char c : s) out += (c == '"') ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

template <typename Visit>
void for_each_computed(const AnalysisState& s, Visit visit) {
    for (const int code : kMethodRunOrder)
        if (s.results[code].computed) visit(code, s.results[code]);
}

}  // namespace

void print_capacity_summary(std::ostream& out, const AnalysisState& s) {
    const int tip = s.output_point_count;
    if (tip < 1) return;
    const char* tip_column = s.loading_type == 1 ? "self weight" : "end bearing";
    bool heading = false;
    for (const int code : kMethodRunOrder) {
        const MethodResults& r = s.results[code];
        if (s.method_switch[code] != 1 || !r.computed) continue;
        if (!heading) {
            out << "Ultimate capacity at the pile tip (penetration " << trim(format_f(s.point_depth[tip], 12, 2))
                << " " << length_unit(s) << "):\n";
            heading = true;
        }
        const auto value = [&](double v) { return trim(format_f(v, 12, 1)) + " " + force_unit(s); };
        out << "  " << capacity_table_title(code) << ": " << value(r.ultimate[tip]) << " (skin friction "
            << value(r.skin_friction[tip]) << ", " << tip_column << " " << value(r.tip[tip]) << ")\n";
    }
    if (!heading) out << "No capacity method was selected.\n";
}

void print_batch_line(std::ostream& out, const std::string& project, const RunResult& result,
                      const AnalysisState& s) {
    out << project << ": ";
    if (result.status != 0) {
        out << "stopped: " << result.message << "\n";
        return;
    }
    out << "ok";
    const int tip = s.output_point_count;
    const int code = s.transfer_method;
    if (tip >= 1 && code >= 1 && code <= kMethodCount && s.results[code].computed)
        out << ", " << capacity_table_title(code) << " " << trim(format_f(s.results[code].ultimate[tip], 12, 1)) << " "
            << force_unit(s) << " at " << trim(format_f(s.point_depth[tip], 12, 2)) << " " << length_unit(s);
    else
        out << ", the load-transfer method was not computed";
    out << "\n";
}

void print_csv(std::ostream& out, const AnalysisState& s) {
    const std::string f = force_unit(s);
    const std::string l = length_unit(s);
    out << "method_code,method,penetration_" << l << ",skin_friction_" << f << ","
        << (s.loading_type == 1 ? "self_weight_" : "end_bearing_") << f << ",ultimate_capacity_" << f
        << ",plug_governs\n";
    for_each_computed(s, [&](int code, const MethodResults& r) {
        const std::string name = csv_text(capacity_table_title(code));
        for (int j = 1; j <= s.output_point_count; ++j)
            out << code << "," << name << "," << exact(s.point_depth[j]) << "," << exact(r.skin_friction[j]) << ","
                << exact(r.tip[j]) << "," << exact(r.ultimate[j]) << "," << (r.plug_flag[j] == 2 ? 1 : 0) << "\n";
    });
}

void print_json(std::ostream& out, const AnalysisState& s) {
    out << "{\n  \"unit_system\": " << json_text(s.unit_system == kEnglish ? "English" : "SI")
        << ",\n  \"units\": {\"penetration\": " << json_text(length_unit(s)) << ", \"force\": "
        << json_text(force_unit(s)) << "},\n  \"loading\": "
        << json_text(s.loading_type == 1 ? "tension" : "compression") << ",\n  \"methods\": [";
    bool first_method = true;
    for_each_computed(s, [&](int code, const MethodResults& r) {
        out << (first_method ? "\n" : ",\n") << "    {\"code\": " << code
            << ", \"name\": " << json_text(capacity_table_title(code)) << ", \"selected\": "
            << (s.method_switch[code] == 1 ? "true" : "false") << ",\n     \"rows\": [";
        first_method = false;
        for (int j = 1; j <= s.output_point_count; ++j)
            out << (j == 1 ? "\n" : ",\n") << "       {\"penetration\": " << exact(s.point_depth[j])
                << ", \"skin_friction\": " << exact(r.skin_friction[j]) << ", \"tip\": " << exact(r.tip[j])
                << ", \"ultimate_capacity\": " << exact(r.ultimate[j])
                << ", \"plug_governs\": " << (r.plug_flag[j] == 2 ? "true" : "false") << "}";
        out << "]}";
    });
    out << "\n  ]\n}\n";
}

}  // namespace tarne::cli
