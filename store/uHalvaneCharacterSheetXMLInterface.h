#pragma once
// Typed access to a character document: one thin class per element of the
// "*.hcs" format, each a handle on a pugixml element. The classes hold no data
// of their own; every value lives in the document, which owns the tree.
//
// Reading rules the store relies on: a child element that is missing is made
// (appended, empty) when it is asked for; a text attribute that is missing
// reads as empty; an integer attribute that is missing, empty, not plain
// decimal or outside 32 bits makes the call fail, as does an item index out
// of range. Failures are EXMLNodeError, which names the element.

#include <pugixml.hpp>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace halvane {

// A failure of the binding: the text says which element and what is wrong.
// Offset is the byte offset in the parsed text of the nearest element that
// came from it, or -1 when none did.
class EXMLNodeError : public std::runtime_error {
public:
    EXMLNodeError(const std::string& message, std::ptrdiff_t offset)
        : std::runtime_error(message), offset_(offset) {}
    std::ptrdiff_t Offset() const noexcept { return offset_; }

private:
    std::ptrdiff_t offset_;
};

// Identifiers of the typed interfaces. Nothing queries interfaces by
// identifier here; they are kept so that the names stay tied to them.
namespace iid {
inline constexpr std::string_view IXMLCharacterType = "{27BC4342-5B8C-4CD2-BD40-437BD6D36540}";
inline constexpr std::string_view IXMLForcesType = "{F8005139-06D9-4DD1-95ED-5224CB647C0C}";
inline constexpr std::string_view IXMLCorporealForcesType = "{AAC9ED8A-C548-42D2-B8DB-EC784DEDA1B4}";
inline constexpr std::string_view IXMLEtherealForcesType = "{C36C1DB9-3E5D-44EF-93CC-FC675BE3304F}";
inline constexpr std::string_view IXMLCelestialForcesType = "{B4CF9482-2582-4E3E-BBFC-26324099D08E}";
inline constexpr std::string_view IXMLAttributeType = "{40BBB44A-A6A1-4ED2-9B3A-DB1A70024CC9}";
inline constexpr std::string_view IXMLSuperiorType = "{CD9BC23C-503F-4A66-AC68-E00216DDC4B3}";
inline constexpr std::string_view IXMLDistinctionsType = "{6692520F-A714-45C3-B001-8B820376CED4}";
inline constexpr std::string_view IXMLDistinctionType = "{DA36F891-4832-4F74-879C-1726EEF66A04}";
inline constexpr std::string_view IXMLResourcesType = "{2BF3E274-619E-4F1E-82FA-16D5C2B156D9}";
inline constexpr std::string_view IXMLSkillsType = "{709AA923-8CFD-493C-94AD-0412D88A3830}";
inline constexpr std::string_view IXMLSkillType = "{66ACA04D-7CD2-40C1-9606-53D893EBCA30}";
inline constexpr std::string_view IXMLSongsType = "{124EF7D9-F738-4BED-B9CE-8101C64609FD}";
inline constexpr std::string_view IXMLSongType = "{5F4A149E-874E-4652-B7F0-320141FF4172}";
inline constexpr std::string_view IXMLServantsType = "{067D08F5-C68B-4495-A4EB-91C5EBC37BFA}";
inline constexpr std::string_view IXMLServantType = "{C2F2C76F-3179-49EE-A682-43A8A1F27961}";
inline constexpr std::string_view IXMLVesselsType = "{E8FCC67E-D251-4297-9631-87BA9D88E11D}";
inline constexpr std::string_view IXMLVesselType = "{008CD8D8-F63C-44D9-BDFD-9F87408E23CC}";
inline constexpr std::string_view IXMLCharismaType = "{176B29F5-F467-4A1E-9F08-10896A3D2F21}";
inline constexpr std::string_view IXMLRoleType = "{9200C437-86FC-4A91-A920-BA101F166AF5}";
inline constexpr std::string_view IXMLArtifactsType = "{E4E79837-B5B3-44A5-84FF-A17508F73276}";
inline constexpr std::string_view IXMLArtifactType = "{0EF4025C-845F-4E61-B38E-6396AB2C6C26}";
inline constexpr std::string_view IXMLBindingType = "{39946C97-4188-432E-A8CC-897B354E41C5}";
inline constexpr std::string_view IXMLAttunementsType = "{1C97A73A-CC68-41C2-8BA1-AC12479E7833}";
inline constexpr std::string_view IXMLAttunementType = "{4752FA5D-A6CA-461C-BA24-5E1AB5364676}";
inline constexpr std::string_view IXMLDiscordsType = "{807C8D79-B0DF-4F42-BB9A-109EA27DFD19}";
inline constexpr std::string_view IXMLDiscordType = "{24F4BB41-C6F9-4ECB-B943-B2E38F426344}";
} // namespace iid

// The generic element node every typed node is built on.
class TXMLNode {
public:
    explicit TXMLNode(pugi::xml_node node) : node_(node) {}

    pugi::xml_node Node() const noexcept { return node_; }
    std::string_view TagName() const noexcept { return node_.name(); }

    // Where the element sits, for messages: "Character/Resources/Skills/Skill[2]".
    std::string Path() const;

    // Raises EXMLNodeError about this element.
    [[noreturn]] void Fail(const std::string& what) const;

protected:
    std::string GetText(const char* attribute) const;
    std::int32_t GetInteger(const char* attribute) const;
    // Characters XML 1.0 cannot carry (controls other than tab, line feed and
    // carriage return) are dropped, so that a typed name never makes a file
    // that fails to load.
    void SetText(const char* attribute, std::string_view value) const;
    void SetInteger(const char* attribute, std::int32_t value) const;
    // The first child with the tag; made and appended when there is none.
    pugi::xml_node Child(const char* tag) const;

private:
    pugi::xml_node node_;
};

// An element whose children are a list of items with one tag. Only child
// elements with the item tag count as items, in document order.
template <class TItem>
class TXMLCollection : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = TItem;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = TItem;

        iterator() = default;
        explicit iterator(pugi::xml_node node) : node_(node) {}
        TItem operator*() const { return TItem(node_); }
        iterator& operator++() {
            node_ = node_.next_sibling(TItem::Tag);
            return *this;
        }
        iterator operator++(int) {
            iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const iterator& other) const { return node_ == other.node_; }

    private:
        pugi::xml_node node_;
    };

    iterator begin() const { return iterator(Node().child(TItem::Tag)); }
    iterator end() const { return iterator(); }

    std::int32_t Count() const {
        std::int32_t count = 0;
        for (pugi::xml_node n = Node().child(TItem::Tag); n; n = n.next_sibling(TItem::Tag)) ++count;
        return count;
    }

    void Clear() const {
        while (pugi::xml_node n = Node().child(TItem::Tag)) Node().remove_child(n);
    }

    void Delete(std::int32_t index) const { Node().remove_child(ItemNode(index)); }

protected:
    TItem ItemAt(std::int32_t index) const { return TItem(ItemNode(index)); }
    TItem AddItem() const { return TItem(Node().append_child(TItem::Tag)); }
    // Before the item now at the index; at the end when index equals Count().
    TItem InsertItem(std::int32_t index) const {
        if (index == Count()) return AddItem();
        return TItem(Node().insert_child_before(TItem::Tag, ItemNode(index)));
    }

private:
    pugi::xml_node ItemNode(std::int32_t index) const {
        std::int32_t i = 0;
        if (index >= 0)
            for (pugi::xml_node n = Node().child(TItem::Tag); n; n = n.next_sibling(TItem::Tag), ++i)
                if (i == index) return n;
        Fail("there is no <" + std::string(TItem::Tag) + "> item at index " +
             std::to_string(index) + " (it has " + std::to_string(Count()) + ")");
    }
};

#define HALVANE_XML_TEXT(Attr, Name)                                                 \
    std::string Get_##Attr() const { return GetText(Name); }                       \
    void Set_##Attr(std::string_view value) const { SetText(Name, value); }
#define HALVANE_XML_INTEGER(Attr, Name)                                              \
    std::int32_t Get_##Attr() const { return GetInteger(Name); }                   \
    void Set_##Attr(std::int32_t value) const { SetInteger(Name, value); }
#define HALVANE_XML_ITEMS(Class, Item)                                                \
    Item Get_##Class##At(std::int32_t index) const { return ItemAt(index); }       \
    Item Add() const { return AddItem(); }                                          \
    Item Insert(std::int32_t index) const { return InsertItem(index); }

// ------------------------------------------------------------------ elements

class TXMLAttributeType : public TXMLNode {
public:
    static constexpr const char* Tag = "Attribute";
    using TXMLNode::TXMLNode;
    HALVANE_XML_TEXT(Name, "name")
    HALVANE_XML_INTEGER(Value, "value")
};

// The three forces groups: a list of Attribute items with a value of its own.
class TXMLForcesGroupType : public TXMLCollection<TXMLAttributeType> {
public:
    using TXMLCollection::TXMLCollection;
    HALVANE_XML_INTEGER(Value, "value")
    HALVANE_XML_ITEMS(Attribute, TXMLAttributeType)
};

class TXMLCorporealForcesType : public TXMLForcesGroupType {
public:
    static constexpr const char* Tag = "CorporealForces";
    using TXMLForcesGroupType::TXMLForcesGroupType;
};

class TXMLEtherealForcesType : public TXMLForcesGroupType {
public:
    static constexpr const char* Tag = "EtherealForces";
    using TXMLForcesGroupType::TXMLForcesGroupType;
};

class TXMLCelestialForcesType : public TXMLForcesGroupType {
public:
    static constexpr const char* Tag = "CelestialForces";
    using TXMLForcesGroupType::TXMLForcesGroupType;
};

class TXMLForcesType : public TXMLNode {
public:
    static constexpr const char* Tag = "Forces";
    using TXMLNode::TXMLNode;
    TXMLCorporealForcesType Get_CorporealForces() const {
        return TXMLCorporealForcesType(Child(TXMLCorporealForcesType::Tag));
    }
    TXMLEtherealForcesType Get_EtherealForces() const {
        return TXMLEtherealForcesType(Child(TXMLEtherealForcesType::Tag));
    }
    TXMLCelestialForcesType Get_CelestialForces() const {
        return TXMLCelestialForcesType(Child(TXMLCelestialForcesType::Tag));
    }
};

class TXMLSuperiorType : public TXMLNode {
public:
    static constexpr const char* Tag = "Superior";
    using TXMLNode::TXMLNode;
    HALVANE_XML_TEXT(Name, "name")
    HALVANE_XML_TEXT(Word, "word")
};

class TXMLDistinctionType : public TXMLNode {
public:
    static constexpr const char* Tag = "Distinction";
    using TXMLNode::TXMLNode;
    HALVANE_XML_TEXT(Name, "name")
};

class TXMLDistinctionsType : public TXMLCollection<TXMLDistinctionType> {
public:
    static constexpr const char* Tag = "Distinctions";
    using TXMLCollection::TXMLCollection;
    HALVANE_XML_ITEMS(Distinction, TXMLDistinctionType)
};

class TXMLSkillType : public TXMLNode {
public:
    static constexpr const char* Tag = "Skill";
    using TXMLNode::TXMLNode;
    HALVANE_XML_TEXT(Description, "description")
    HALVANE_XML_TEXT(Specification, "specification")
    HALVANE_XML_INTEGER(Level, "level")
};

class TXMLSkillsType : public TXMLCollection<TXMLSkillType> {
public:
    static constexpr const char* Tag = "Skills";
    using TXMLCollection::TXMLCollection;
    HALVANE_XML_ITEMS(Skill, TXMLSkillType)
};

class TXMLSongType : public TXMLNode {
public:
    static constexpr const char* Tag = "Song";
    using TXMLNode::TXMLNode;
    HALVANE_XML_TEXT(Description, "description")
    HALVANE_XML_TEXT(Realm, "realm")
    HALVANE_XML_INTEGER(Level, "level")
};

class TXMLSongsType : public TXMLCollection<TXMLSongType> {
public:
    static constexpr const char* Tag = "Songs";
    using TXMLCollection::TXMLCollection;
    HALVANE_XML_ITEMS(Song, TXMLSongType)
};

class TXMLServantType : public TXMLNode {
public:
    static constexpr const char* Tag = "Servant";
    using TXMLNode::TXMLNode;
    HALVANE_XML_TEXT(Description, "description")
    HALVANE_XML_INTEGER(ServantClass, "servantClass")
    HALVANE_XML_INTEGER(Level, "level")
};

class TXMLServantsType : public TXMLCollection<TXMLServantType> {
public:
    static constexpr const char* Tag = "Servants";
    using TXMLCollection::TXMLCollection;
    HALVANE_XML_ITEMS(Servant, TXMLServantType)
};

class TXMLCharismaType : public TXMLNode {
public:
    static constexpr const char* Tag = "Charisma";
    using TXMLNode::TXMLNode;
    HALVANE_XML_TEXT(Description, "description")
    HALVANE_XML_INTEGER(Level, "level")
};

class TXMLRoleType : public TXMLNode {
public:
    static constexpr const char* Tag = "Role";
    using TXMLNode::TXMLNode;
    HALVANE_XML_TEXT(Description, "description")
    HALVANE_XML_INTEGER(Status, "status")
    HALVANE_XML_INTEGER(Level, "level")
};

class TXMLVesselType : public TXMLNode {
public:
    static constexpr const char* Tag = "Vessel";
    using TXMLNode::TXMLNode;
    HALVANE_XML_TEXT(Description, "description")
    HALVANE_XML_INTEGER(Level, "level")
    TXMLCharismaType Get_Charisma() const { return TXMLCharismaType(Child(TXMLCharismaType::Tag)); }
    TXMLRoleType Get_Role() const { return TXMLRoleType(Child(TXMLRoleType::Tag)); }
};

class TXMLVesselsType : public TXMLCollection<TXMLVesselType> {
public:
    static constexpr const char* Tag = "Vessels";
    using TXMLCollection::TXMLCollection;
    HALVANE_XML_ITEMS(Vessel, TXMLVesselType)
};

class TXMLBindingType : public TXMLNode {
public:
    static constexpr const char* Tag = "Binding";
    using TXMLNode::TXMLNode;
    HALVANE_XML_INTEGER(Level, "level")
};

class TXMLArtifactType : public TXMLNode {
public:
    static constexpr const char* Tag = "Artifact";
    using TXMLNode::TXMLNode;
    HALVANE_XML_TEXT(Description, "description")
    HALVANE_XML_TEXT(Realm, "realm")
    HALVANE_XML_INTEGER(ReliquaryType, "reliquaryType")
    TXMLBindingType Get_Binding() const { return TXMLBindingType(Child(TXMLBindingType::Tag)); }
    TXMLSkillType Get_Skill() const { return TXMLSkillType(Child(TXMLSkillType::Tag)); }
    TXMLSongType Get_Song() const { return TXMLSongType(Child(TXMLSongType::Tag)); }
};

class TXMLArtifactsType : public TXMLCollection<TXMLArtifactType> {
public:
    static constexpr const char* Tag = "Artifacts";
    using TXMLCollection::TXMLCollection;
    HALVANE_XML_ITEMS(Artifact, TXMLArtifactType)
};

class TXMLAttunementType : public TXMLNode {
public:
    static constexpr const char* Tag = "Attunement";
    using TXMLNode::TXMLNode;
    HALVANE_XML_TEXT(Description, "description")
    HALVANE_XML_TEXT(Superior, "superior")
};

class TXMLAttunementsType : public TXMLCollection<TXMLAttunementType> {
public:
    static constexpr const char* Tag = "Attunements";
    using TXMLCollection::TXMLCollection;
    HALVANE_XML_ITEMS(Attunement, TXMLAttunementType)
};

class TXMLDiscordType : public TXMLNode {
public:
    static constexpr const char* Tag = "Discord";
    using TXMLNode::TXMLNode;
    HALVANE_XML_TEXT(Description, "description")
    HALVANE_XML_TEXT(Specification, "specification")
    HALVANE_XML_INTEGER(Level, "level")
};

class TXMLDiscordsType : public TXMLCollection<TXMLDiscordType> {
public:
    static constexpr const char* Tag = "Discords";
    using TXMLCollection::TXMLCollection;
    HALVANE_XML_ITEMS(Discord, TXMLDiscordType)
};

class TXMLResourcesType : public TXMLNode {
public:
    static constexpr const char* Tag = "Resources";
    using TXMLNode::TXMLNode;
    HALVANE_XML_INTEGER(Value, "value")
    TXMLSkillsType Get_Skills() const { return TXMLSkillsType(Child(TXMLSkillsType::Tag)); }
    TXMLSongsType Get_Songs() const { return TXMLSongsType(Child(TXMLSongsType::Tag)); }
    TXMLServantsType Get_Servants() const { return TXMLServantsType(Child(TXMLServantsType::Tag)); }
    TXMLVesselsType Get_Vessels() const { return TXMLVesselsType(Child(TXMLVesselsType::Tag)); }
    TXMLArtifactsType Get_Artifacts() const { return TXMLArtifactsType(Child(TXMLArtifactsType::Tag)); }
    TXMLAttunementsType Get_Attunements() const {
        return TXMLAttunementsType(Child(TXMLAttunementsType::Tag));
    }
    TXMLDiscordsType Get_Discords() const { return TXMLDiscordsType(Child(TXMLDiscordsType::Tag)); }
};

class TXMLCharacterType : public TXMLNode {
public:
    static constexpr const char* Tag = "Character";
    using TXMLNode::TXMLNode;
    HALVANE_XML_TEXT(Name, "name")
    HALVANE_XML_INTEGER(Concept, "concept")
    HALVANE_XML_INTEGER(CelestialKind, "celestialKind")
    HALVANE_XML_TEXT(Word, "word")
    TXMLForcesType Get_Forces() const { return TXMLForcesType(Child(TXMLForcesType::Tag)); }
    TXMLSuperiorType Get_Superior() const { return TXMLSuperiorType(Child(TXMLSuperiorType::Tag)); }
    TXMLDistinctionsType Get_Distinctions() const {
        return TXMLDistinctionsType(Child(TXMLDistinctionsType::Tag));
    }
    TXMLResourcesType Get_Resources() const { return TXMLResourcesType(Child(TXMLResourcesType::Tag)); }
};

#undef HALVANE_XML_TEXT
#undef HALVANE_XML_INTEGER
#undef HALVANE_XML_ITEMS

// The root of a character document. An empty document gets its Character
// root; a document whose root element has another tag fails.
TXMLCharacterType GetCharacter(pugi::xml_document& document);

} // namespace halvane
