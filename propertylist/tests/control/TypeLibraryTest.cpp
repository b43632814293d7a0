// What a host reads of the Attrgrid type library: the editor interface it implements, the
// enumerations its editor parameters use and the listener interfaces.

#include "propertylist/editors/CEditor.h"
#include "propertylist/library/AttrgridTypes.h"

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/typeinfo/TypeLibrary.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace attrgrid::test {
namespace {

class TypeLibraryTest : public ::testing::Test {
protected:
    TypeLibraryTest() : library("Attrgrid", AttrgridTypes::LibraryId()) {
        AttrgridTypes::AddEnums(library);
        AttrgridTypes::AddClasses(library);
    }
    // "name id kind (parameter types) result type", one line per member of the interface.
    std::vector<std::string> Members(const std::string& interfaceName) {
        const ole::TypeDescription* type = library.FindType(interfaceName);
        EXPECT_NE(type, nullptr) << interfaceName;
        std::vector<std::string> lines;
        if (!type || !type->classInfo)
            return lines;
        static const std::pair<uint16_t, const char*> kinds[] = {
            {ole::DISPATCH_METHOD, "method"},
            {ole::DISPATCH_PROPERTYGET, "get"},
            {ole::DISPATCH_PROPERTYPUT, "let"},
            {ole::DISPATCH_PROPERTYPUTREF, "set"}};
        for (const ole::MemberInfo& member : type->classInfo->Members()) {
            std::ostringstream line;
            line << member.name << " " << std::hex << member.id << std::dec << " ";
            for (const auto& [kind, name] : kinds)
                line << (member.kind == kind ? name : "");
            line << " (";
            for (const ole::ParamInfo& param : member.params)
                line << " " << param.name << ":" << TypeName(param.type);
            line << " ) " << TypeName(member.returnType);
            lines.push_back(line.str());
        }
        return lines;
    }
    static std::string TypeName(const ole::TypeRef& type) {
        if (!type.name.empty())
            return type.name;
        switch (type.vt) {
        case ole::VT_VOID:
            return "-";
        case ole::VT_I2:
            return "Integer";
        case ole::VT_I4:
            return "Long";
        case ole::VT_R4:
            return "Single";
        case ole::VT_BOOL:
            return "Boolean";
        case ole::VT_VARIANT:
            return "Variant";
        case ole::VT_BSTR:
            return "String";
        default:
            return "vt" + std::to_string(type.vt);
        }
    }

    ole::TypeLibrary library;
};

TEST_F(TypeLibraryTest, TheEditorInterfaceHasTheDeclaredMembersAndTypes) {
    EXPECT_EQ(
        Members("_CEditor"),
        (std::vector<std::string>{
            "ScaleMode 68030004 get ( ) Long",
            "Value 68030003 get ( ) Variant",
            "Value 68030003 let ( newValue:Variant ) -",
            "Visible 68030002 get ( ) Boolean",
            "Visible 68030002 let ( newValue:Boolean ) -",
            "hwnd 68030001 get ( ) Long",
            "hFont 68030000 let ( newValue:Long ) -",
            "Reset 60030005 method ( aProperty:CProperty anEditorListener:CEditorListener ) -",
            "Commit 60030006 method ( ) -",
            "Cancel 60030007 method ( ) -",
            "Move 60030008 method ( nLeft:Single nTop:Single nWidth:Single nHeight:Single ) -",
            "init 60030009 method ( hParentWnd:Long ) -",
        }));
}

TEST_F(TypeLibraryTest, EditorFlagsAndListenerInterfacesAreDeclared) {
    for (const auto& [name, count, first] :
         std::vector<std::tuple<std::string, size_t, ole::EnumConstant>>{
             {"ksFileFlags", 14, {"ksffReadOnly", 1}},
             {"ksFolderFlags", 5, {"ksBfDontGoBelowDomain", 2}}}) {
        const ole::TypeDescription* type = library.FindType(name);
        ASSERT_NE(type, nullptr) << name;
        EXPECT_EQ(type->kind, ole::TKIND_ENUM);
        ASSERT_EQ(type->constants.size(), count) << name;
        EXPECT_EQ(type->constants[0].name, first.name);
        EXPECT_EQ(type->constants[0].value, first.value);
    }
    EXPECT_EQ(Members("_cSubclassListener"),
              std::vector<std::string>{"WindowMsgListener 60030000 method ( hwnd:Long Msg:Long "
                                       "wParam:Long lParam:Long bRouteToOriginal:Boolean ) Long"});
    EXPECT_EQ(
        Members("_CPropertyListener"),
        std::vector<std::string>{"PropertyChanged 60030000 method ( aProperty:CProperty ) -"});
    EXPECT_EQ(Members("_CNodeListener"),
              std::vector<std::string>{
                  "NodePropertyChanged 60030000 method ( sKey:String sPropName:String ) -"});
}

} // namespace
} // namespace attrgrid::test
