#include "platform/ole/dispatch/ClassBuilder.h"

namespace ole {

MemberOptions operator|(MemberOptions a, MemberOptions b) {
    a.flags |= b.flags;
    if (!b.help.empty()) {
        a.help = std::move(b.help);
        a.helpContext = b.helpContext;
    }
    if (!b.typeName.empty())
        a.typeName = std::move(b.typeName);
    if (!b.params.empty())
        a.params = std::move(b.params);
    return a;
}

MemberOptions Flags(uint32_t flags) {
    MemberOptions options;
    options.flags = flags;
    return options;
}

MemberOptions Hidden() {
    return Flags(FUNCFLAG_FHIDDEN);
}

MemberOptions Restricted() {
    return Flags(FUNCFLAG_FRESTRICTED);
}

MemberOptions Help(std::string help, int32_t helpContext) {
    MemberOptions options;
    options.help = std::move(help);
    options.helpContext = helpContext;
    return options;
}

MemberOptions Typed(std::string typeName) {
    MemberOptions options;
    options.typeName = std::move(typeName);
    return options;
}

MemberOptions Params(std::vector<ParamDecl> params) {
    MemberOptions options;
    options.params = std::move(params);
    return options;
}

namespace detail {

void ApplyOptions(MemberInfo& member, MemberOptions& options, bool isPut) {
    member.flags = options.flags;
    member.help = options.help;
    member.helpContext = options.helpContext;
    for (size_t i = 0; i < member.params.size(); ++i) {
        ParamInfo& param = member.params[i];
        const bool isValue = isPut && i + 1 == member.params.size();
        if (i < options.params.size() && !isValue) {
            ParamDecl& decl = options.params[i];
            param.name = decl.name;
            param.optional = decl.optional;
            param.defaultValue = decl.defaultValue;
            if (!decl.typeName.empty())
                param.type.name = decl.typeName;
        } else {
            param.name = isValue ? "newValue" : "p" + std::to_string(i + 1);
        }
    }
    if (!options.typeName.empty()) {
        if (isPut && !member.params.empty())
            member.params.back().type.name = options.typeName;
        else
            member.returnType.name = options.typeName;
    }
}

} // namespace detail
} // namespace ole
