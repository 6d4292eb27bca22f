#include "project_fixture.h"

#include "framework.h"
#include "input.h"
#include "list_reader.h"
#include "methods/api.h"
#include "passes.h"
#include "profile.h"
#include "report.h"

namespace tarne::testing {

std::unique_ptr<AnalysisState> load_project(const std::string& data_text) {
    auto s = std::make_unique<AnalysisState>();
    ListReader data("test.tq7d", data_text);
    ListReader cpt("test.cpt", " 1 0\r\n");
    read_input(*s, data);
    set_unit_labels(*s);
    read_cpt(*s, cpt);
    s->total_length = s->total_length_input - s->stickup_length;
    compute_element_count(*s);
    adjust_boundaries_to_grid(*s);
    s->run_pass = 2;
    build_elements(*s);
    compute_output_points(*s);
    return s;
}

void run_api(AnalysisState& s) {
    prepare_capacity_pass(s);
    compute_api_method(s);
    run_chain(s, api_rules());
    form_method_results(s, kApi);
}

std::string with(std::string text, std::string_view key, std::string_view value) {
    const std::string token = "{" + std::string(key) + "}";
    for (auto at = text.find(token); at != std::string::npos; at = text.find(token, at + value.size()))
        text.replace(at, token.size(), value);
    return text;
}

}  // namespace tarne::testing
