#include "capacity_table.h"

#include "profile.h"

namespace tarne {
namespace {

struct TableStyle {
    int indent;          // of the three banner lines
    int stars;           // length of the banner's star lines
    const char* title;   // banner title, as wide as the star lines
    bool is_user_method; // keeps the compression headings in tension and never marks the plug
};

const TableStyle& style_of(int code) {
    static const TableStyle kStyles[kMethodCount + 1] = {
        {0, 0, "", false},
        /* FHWA  */ {28, 22, "*  FED. HWY. METHOD  *", false},
        /* USACE */ {28, 22, "* ARMY CORPS METHOD  *", false},
        /* Lambda*/ {28, 22, "*  LAMBDA 2 METHOD   *", false},
        /* API   */ {28, 22, "*  API RP-2A (1994)  *", false},
        /* user  */ {29, 18, "* GENERAL METHOD *", true},
        /* NGI   */ {10, 52, "*  NORWEIGIAN GEOTECHNICAL INSTITUTE (NGI) METHOD  *", false},
        /* ICP   */ {20, 35, "*  IMPERIAL COLLEGE (MTD) METHOD  *", false},
        /* FUGRO */ {20, 35, "*    FUGRO 2004 (FUGRO) METHOD    *", false},
        /* UWA   */ {13, 45, "*  UNIV. OF WESTERN AUSTRALIA (UWA) METHOD  *", false},
    };
    return kStyles[code >= 1 && code <= kMethodCount ? code : 0];
}

void text_at(TextOut& out, int indent, std::string_view text) {
    FixedLine l;
    out.line(l.blanks(indent).text(text));
}

}  // namespace

std::string_view capacity_table_title(int code) {
    std::string_view t = style_of(code).title;
    const auto first = t.find_first_not_of("* ");
    const auto last = t.find_last_not_of("* ");
    return first == std::string_view::npos ? std::string_view{} : t.substr(first, last - first + 1);
}

bool report_prints_row(const AnalysisState& s, int code, int row) {
    const bool extra_final_row = s.last_printed_row != s.output_point_count && row == s.printed_row_count;
    return !(extra_final_row && (code == kFhwa || code == kUsace));
}

void write_capacity_table(TextOut& out, const AnalysisState& s, int code) {
    const TableStyle& style = style_of(code);
    const MethodResults& r = s.results[code];
    FixedLine l;

    out.empty(3);
    out.line(l.blanks(style.indent).repeat('*', style.stars));
    text_at(out, style.indent, style.title);
    l.clear();
    out.line(l.blanks(style.indent).repeat('*', style.stars));
    out.empty();

    if (s.loading_type == 1 && !style.is_user_method) {
        text_at(out, 10, "   PILE       TOTAL SKIN       SELF      ULTIMATE");
        text_at(out, 10, "PENETRATION   FRICTION        WEIGHT     CAPACITY");
    } else {
        text_at(out, 10, "   PILE       TOTAL SKIN       END       ULTIMATE");
        text_at(out, 10, "PENETRATION   FRICTION       BEARING     CAPACITY");
    }
    l.clear();
    out.line(l.blanks(14).text(s.length_label).blanks(10).text(s.force_label).blanks(11).text(s.force_label)
                 .blanks(10).text(s.force_label));

    for (int row = 1; row <= s.printed_row_count; ++row) {
        if (!report_prints_row(s, code, row)) continue;
        const int j = printed_point(s, row);
        const bool plug_governs = r.plug_flag[j] == 2 && !style.is_user_method;
        l.clear();
        out.line(l.blanks(11).f(s.point_depth[j], 7, 2).blanks(6).f(r.skin_friction[j], 8, 1).blanks(6)
                     .f(r.tip[j], 8, 1).text(plug_governs ? "*   " : "    ").f(r.ultimate[j], 9, 1));
    }
}

void write_capacity_notes(TextOut& out, const AnalysisState& s) {
    out.empty(2);
    text_at(out, 12, "NOTES:");
    text_at(out, 12, "- AN ASTERISK IS PLACED IN THE END-BEARING COLUMN");
    text_at(out, 12, "  IF THE TIP RESISTANCE IS CONTROLLED BY THE FRICTION");
    text_at(out, 12, "  OF SOIL PLUG INSIDE AN OPEN-ENDED PIPE PILE.");
    out.empty();
    if (s.loading_type == 1) {
        out.empty();
        text_at(out, 12, "- A NEGATIVE SELF-WEIGHT VALUE IS DUE TO THE");
        text_at(out, 12, "  BOUYANCY EFFECT.");
        out.empty();
    }
    out.empty(2);
}

}  // namespace tarne
