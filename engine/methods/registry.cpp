#include "methods/registry.h"

#include "errors.h"
#include "methods/api.h"
#include "methods/fhwa.h"
#include "methods/lambda.h"
#include "methods/usace.h"

namespace tarne {
namespace {

MethodRules rules_with_index(int index) {
    MethodRules rules;
    rules.method_index = index;
    return rules;
}

// Methods not computed by this build keep the chain's own behaviour for
// their index: the tip copies of FHWA, USACE and the user-specified method,
// the cone-based wall resistance of the offshore methods and the user
// method, and the ICP/MTD wall floor under the plugged tip.
const CapacityMethod* build_methods() {
    static CapacityMethod methods[kMethodCount + 1];

    CapacityMethod& fhwa = methods[kFhwa];
    fhwa = {kFhwa, 1, false, fhwa_rules(), compute_fhwa_method, collect_fhwa_side};

    methods[kUsace] = {kUsace, 1, false, usace_rules(), compute_usace_method, collect_usace_side};

    // Revised Lambda bears on the API rule and the framework's plug friction.
    methods[kLambda] = {kLambda, 1, false, lambda_rules(), compute_lambda_method, collect_lambda_side};

    CapacityMethod& api = methods[kApi];
    api = {kApi, 2, false, api_rules(), compute_api_method, collect_api_side};

    CapacityMethod& user = methods[kUserSpecified];
    user = {kUserSpecified, 1, false, rules_with_index(kIndexUser)};
    user.rules.annulus_from_cone = true;
    user.rules.tip_copy = &AnalysisState::tip_user;
    user.rules.tip_copy_skips_program_plug = true;

    const struct { int code; int index; } offshore[] = {
        {kNgi, kIndexNgi}, {kIcp, kIndexIcp}, {kFugro, kIndexFugro}, {kUwa, kIndexUwa}};
    for (const auto& o : offshore) {
        methods[o.code] = {o.code, 2, true, rules_with_index(o.index)};
        methods[o.code].rules.annulus_from_cone = true;
    }
    methods[kIcp].rules.plugged_tip_at_least_annulus = true;
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
