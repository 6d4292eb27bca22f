#include "methods/registry.h"

#include "errors.h"
#include "methods/api.h"
#include "methods/fhwa.h"
#include "methods/fugro.h"
#include "methods/icp.h"
#include "methods/lambda.h"
#include "methods/ngi.h"
#include "methods/offshore_clay.h"
#include "methods/usace.h"
#include "methods/user_specified.h"
#include "methods/uwa.h"

namespace tarne {
namespace {

// Every method of the engine, by code: its pass, its computation and the
// rules it gives the capacity chain.
const CapacityMethod* build_methods() {
    static CapacityMethod methods[kMethodCount + 1];

    CapacityMethod& fhwa = methods[kFhwa];
    fhwa = {kFhwa, 1, false, fhwa_rules(), compute_fhwa_method, collect_fhwa_side};

    methods[kUsace] = {kUsace, 1, false, usace_rules(), compute_usace_method, collect_usace_side};

    // Revised Lambda bears on the API rule and the framework's plug friction.
    methods[kLambda] = {kLambda, 1, false, lambda_rules(), compute_lambda_method, collect_lambda_side};

    CapacityMethod& api = methods[kApi];
    api = {kApi, 2, false, api_rules(), compute_api_method, collect_api_side};

    // Computed once, in the first pass, and only where the user gave values;
    // its tip is its own array, which the chain touches in tension only.
    CapacityMethod& user = methods[kUserSpecified];
    user = {kUserSpecified, 1, false, user_rules(), compute_user_method, collect_user_side};
    user.due = user_method_due;
    user.chain_in_tension_only = true;
    user.tip_source = &AnalysisState::tip_user;

    // The offshore methods, in pass 2 after API RP-2A when enabled.
    methods[kNgi] = {kNgi, 2, true, ngi_rules(), compute_ngi_method, collect_ngi_side};
    methods[kIcp] = {kIcp, 2, true, icp_rules(), compute_icp_method, collect_icp_side};
    methods[kFugro] = {kFugro, 2, true, fugro_rules(), compute_fugro_method, collect_fugro_side};
    methods[kUwa] = {kUwa, 2, true, uwa_rules(), compute_uwa_method, collect_uwa_side};
    for (const int code : {kIcp, kFugro, kUwa}) {  // the report lines of their shared clay rule
        methods[code].write_warnings = write_plastic_index_errors;
        methods[code].write_table_notes = write_h_over_r_warning;
    }
    return methods;
}

const CapacityMethod* all_methods() {
    static const CapacityMethod* methods = build_methods();
    return methods;
}

}  // namespace

const CapacityMethod& capacity_method(int code) {
    if (code < 1 || code > kMethodCount) throw EngineError("internal: no capacity method " + std::to_string(code));
    return all_methods()[code];
}

const MethodRules& method_rules(int method_index) {
    for (int code = 1; code <= kMethodCount; ++code) {
        const CapacityMethod& m = all_methods()[code];
        if (m.rules.method_index == method_index) return m.rules;
    }
    throw EngineError("internal: no capacity chain method " + std::to_string(method_index));
}

}  // namespace tarne
