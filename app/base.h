// The search engine's database in memory: the category list and the link base.
// Categories are named by position; every move or deletion of a category
// renumbers the links so that each keeps its category.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// How a block of links moves together.
enum class BlockMove { ToBegin, Up, Down, ToEnd };

class OutputFile;
struct TFileBuffer;

// The keyword that marks a link the base update leaves alone (case-sensitive).
extern const char* const DontUpdateKeyword;

struct TBaseRecord {
    std::int32_t Category = 0;
    std::string Caption;
    std::string URL;
    std::string Description;
    std::vector<std::string> Keywords;

    bool operator==(const TBaseRecord& other) const;
};

// A link of an engine file whose category number is not a whole number.
struct TBadCategory {
    std::int32_t Link = 0; // its position in the base
    std::string Text;      // the text read in place of the number
};

class TCat {
  public:
    std::int32_t Current = 0;

    std::int32_t Count() const { return static_cast<std::int32_t>(names_.size()); }
    void Clear();
    void Add(const std::string& name);
    // The empty text outside the list.
    std::string GetName(std::int32_t position) const;
    void SetName(std::int32_t position, const std::string& name);
    void Remove(std::int32_t position);
    void ToBegin(std::int32_t position);
    void ToEnd(std::int32_t position);
    void StepUp(std::int32_t position);
    void StepDown(std::int32_t position);

    // Appends the categories of an engine file's cg array; nothing when the file
    // cannot be read. The array of one empty name, as an empty list is written,
    // reads as no categories.
    void LoadFromFile(const std::string& path);
    void LoadFromBuffer(TFileBuffer& engine);
    // Writes the cg array; false at the first write that fails.
    bool WriteToFile(OutputFile& file) const;

  private:
    std::vector<std::string> names_;
};

class TBase {
  public:
    TBase() { Touch(); }

    std::int32_t Current = 0;

    std::int32_t Count() const { return static_cast<std::int32_t>(links_.size()); }
    void Clear();
    void Add(const TBaseRecord& link);
    // A copy of the link; the empty link outside the list.
    TBaseRecord GetLink(std::int32_t position) const;
    // The link itself, for reading; position must lie inside the list.
    const TBaseRecord& LinkAt(std::int32_t position) const {
        return links_[static_cast<std::size_t>(position)];
    }
    void SetLink(std::int32_t position, const TBaseRecord& link);
    void SetKeywords(std::int32_t position, std::vector<std::string> keywords);
    void Remove(std::int32_t position);
    void ToBegin(std::int32_t position);
    void ToEnd(std::int32_t position);
    void StepUp(std::int32_t position);
    void StepDown(std::int32_t position);

    // Moves the links at positions (ascending, each inside the base) together;
    // Current becomes the first of them. Answers their new positions.
    std::vector<std::int32_t> MoveLinks(const std::vector<std::int32_t>& positions, BlockMove move);
    // Removes the links at positions (ascending, each inside the base); Current
    // becomes the position of the first, or the last link left.
    void RemoveLinks(const std::vector<std::int32_t>& positions);
    // The links in this order of their positions (each once, all of them).
    void Reorder(const std::vector<std::int32_t>& order);

    // Renumber the links after the category at old position k was moved the
    // same way in a list of categoryCount categories.
    void CatMovedToBegin(std::int32_t k);
    void CatMovedToEnd(std::int32_t k, std::int32_t categoryCount);
    void CatMovedUp(std::int32_t k);
    void CatMovedDown(std::int32_t k, std::int32_t categoryCount);

    // Removes the links of category k as one Remove after another would (Current
    // included) and moves the links of later categories down by one.
    void CategoryDeleted(std::int32_t k);

    bool IsDontUpdate(std::int32_t position) const;

    // Appends the links of an engine file's ln, ds and kw arrays; nothing when
    // the file cannot be read. The array of one empty element, as an empty base
    // is written, reads as no links. A category number that is not a whole
    // number gives the link category 0 and is answered among the problems.
    std::vector<TBadCategory> LoadFromFile(const std::string& path);
    std::vector<TBadCategory> LoadFromBuffer(TFileBuffer& engine);
    // Writes the database's begin line and the ln, ds and kw arrays; false at the
    // first write that fails.
    bool WriteToFile(OutputFile& file) const;

    // Changes with every change of the links (not of Current); no two states
    // of any base share one, so that a view can tell whether it is still up
    // to date.
    std::uint64_t Revision() const { return revision_; }

  private:
    void Touch();

    std::vector<TBaseRecord> links_;
    std::uint64_t revision_ = 0;
};

// Removes category k, all links of that category, and closes the gap in the
// numbers of the links of later categories.
void DeleteCategory(TCat& categories, TBase& links, std::int32_t k);
