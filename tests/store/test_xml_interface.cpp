#include "uHalvaneCharacterSheetXMLInterface.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace halvane;

namespace {

pugi::xml_document Parse(const char* text) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(text)) << text;
    return document;
}

std::string Raw(const pugi::xml_node& node) {
    std::ostringstream out;
    node.print(out, "", pugi::format_raw);
    return out.str();
}

// ------------------------------------------------------------ integer reading

struct TIntegerCase {
    const char* Element;
    bool Ok;
    std::int32_t Value;
    const char* Message;  // part of the failure text
};

class XmlIntegerAttribute : public ::testing::TestWithParam<TIntegerCase> {};

TEST_P(XmlIntegerAttribute, ReadsOnlyPlainDecimal32Bit) {
    const TIntegerCase& c = GetParam();
    pugi::xml_document document = Parse(c.Element);
    const TXMLBindingType binding(document.document_element());
    if (c.Ok) {
        EXPECT_EQ(binding.Get_Level(), c.Value);
        return;
    }
    try {
        binding.Get_Level();
        FAIL() << "no failure for " << c.Element;
    } catch (const EXMLNodeError& e) {
        EXPECT_NE(std::string(e.what()).find(c.Message), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("element Binding"), std::string::npos) << e.what();
        EXPECT_GE(e.Offset(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XmlIntegerAttribute,
    ::testing::Values(
        TIntegerCase{"<Binding level='0'/>", true, 0, ""},
        TIntegerCase{"<Binding level='-2'/>", true, -2, ""},
        TIntegerCase{"<Binding level='2147483647'/>", true, 2147483647, ""},
        TIntegerCase{"<Binding level='-2147483648'/>", true, -2147483647 - 1, ""},
        TIntegerCase{"<Binding/>", false, 0, "attribute \"level\" is missing"},
        TIntegerCase{"<Binding level=''/>", false, 0, "attribute \"level\" is empty"},
        TIntegerCase{"<Binding level='x'/>", false, 0, "holds \"x\", which is not a decimal integer"},
        TIntegerCase{"<Binding level='+5'/>", false, 0, "not a decimal integer"},
        TIntegerCase{"<Binding level=' 5'/>", false, 0, "not a decimal integer"},
        TIntegerCase{"<Binding level='5x'/>", false, 0, "holds \"5x\", which is not a decimal"},
        TIntegerCase{"<Binding level='0x10'/>", false, 0, "not a decimal integer"},
        TIntegerCase{"<Binding level='2147483648'/>", false, 0, "outside the 32-bit range"},
        TIntegerCase{"<Binding level='-2147483649'/>", false, 0, "outside the 32-bit range"}));

// ------------------------------------------------------------ accessors

TEST(XmlInterface, MissingTextReadsEmptyAndSettersKeepAttributeOrder) {
    pugi::xml_document document = Parse("<Role level='1'/>");
    const TXMLRoleType role(document.document_element());
    EXPECT_EQ(role.Get_Description(), "");
    role.Set_Status(3);
    role.Set_Level(-2);  // an existing attribute keeps its place
    role.Set_Description("Priest");
    EXPECT_EQ(Raw(role.Node()), "<Role level=\"-2\" status=\"3\" description=\"Priest\"/>");
    EXPECT_EQ(role.Get_Level(), -2);
}

TEST(XmlInterface, SettersDropCharactersXmlCannotCarry) {
    pugi::xml_document document;
    const TXMLCharacterType root = GetCharacter(document);
    root.Set_Name(std::string("a\x01" "b\tc\nd\re\x1F" "f\x7F", 12));
    EXPECT_EQ(root.Get_Name(), "ab\tc\nd\ref\x7F");
}

TEST(XmlInterface, MissingChildIsMadeAsLastChild) {
    pugi::xml_document document = Parse("<Character><Resources/></Character>");
    const TXMLCharacterType root = GetCharacter(document);
    const TXMLForcesType forces = root.Get_Forces();
    EXPECT_EQ(root.Node().last_child(), forces.Node());
    EXPECT_STREQ(forces.Node().name(), "Forces");
    // Asking again finds the same element rather than making another.
    EXPECT_EQ(root.Get_Forces().Node(), forces.Node());
    EXPECT_EQ(root.Get_Resources().Node(), root.Node().first_child());
    // An integer of a missing element is missing, and the message says so.
    try {
        root.Get_Forces().Get_CelestialForces().Get_Value();
        FAIL();
    } catch (const EXMLNodeError& e) {
        EXPECT_STREQ(e.what(),
                     "element Character/Forces/CelestialForces (absent): attribute \"value\" is missing");
        EXPECT_EQ(e.Offset(), root.Node().offset_debug());
    }
}

TEST(XmlInterface, CollectionsCountOnlyTheirItemsInDocumentOrder) {
    pugi::xml_document document = Parse(
        "<CorporealForces value='2'><Attribute value='4'/><Note/><Attribute value='5'/></CorporealForces>");
    const TXMLCorporealForcesType group(document.document_element());
    EXPECT_EQ(group.Count(), 2);
    EXPECT_EQ(group.Get_AttributeAt(0).Get_Value(), 4);
    EXPECT_EQ(group.Get_AttributeAt(1).Get_Value(), 5);
    for (std::int32_t bad : {2, -1}) {
        try {
            group.Get_AttributeAt(bad);
            FAIL() << bad;
        } catch (const EXMLNodeError& e) {
            EXPECT_NE(std::string(e.what()).find("no <Attribute> item at index " + std::to_string(bad) +
                                                 " (it has 2)"),
                      std::string::npos)
                << e.what();
        }
    }

    group.Add().Set_Value(6);
    group.Insert(0).Set_Value(3);
    group.Insert(4).Set_Value(7);  // at the count: appended
    EXPECT_EQ(Raw(group.Node()),
              "<CorporealForces value=\"2\"><Attribute value=\"3\"/><Attribute value=\"4\"/><Note/>"
              "<Attribute value=\"5\"/><Attribute value=\"6\"/><Attribute value=\"7\"/></CorporealForces>");
    EXPECT_THROW(group.Insert(6), EXMLNodeError);

    std::string values;
    for (const TXMLAttributeType item : group) values += std::to_string(item.Get_Value());
    EXPECT_EQ(values, "34567");
    group.Delete(0);
    group.Clear();
    EXPECT_EQ(Raw(group.Node()), "<CorporealForces value=\"2\"><Note/></CorporealForces>");
}

TEST(XmlInterface, ItemPathsNumberSiblingsThatShareATag) {
    pugi::xml_document document = Parse(
        "<Character><Resources><Skills><Skill level='1'/><Skill level='x'/></Skills></Resources></Character>");
    const TXMLSkillsType skills = GetCharacter(document).Get_Resources().Get_Skills();
    EXPECT_EQ(skills.Get_SkillAt(1).Path(), "Character/Resources/Skills/Skill[2]");
    EXPECT_EQ(skills.Path(), "Character/Resources/Skills");
}

TEST(XmlInterface, GetCharacterMakesTheRootOrRefusesAnother) {
    pugi::xml_document empty;
    const TXMLCharacterType root = GetCharacter(empty);
    EXPECT_EQ(empty.document_element(), root.Node());
    EXPECT_STREQ(root.Node().name(), "Character");

    pugi::xml_document other = Parse("<Map/>");
    try {
        GetCharacter(other);
        FAIL();
    } catch (const EXMLNodeError& e) {
        EXPECT_STREQ(e.what(), "the root element is <Map>, not <Character>");
    }
}

} // namespace
