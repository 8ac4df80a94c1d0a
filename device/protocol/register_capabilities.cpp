#include "device/protocol/register_capabilities.h"

namespace orvik::device {

namespace {

// What a register has beyond the plain one of its row.
enum Feature : std::uint32_t {
    // Of a family.
    kTaxNames = 1u << 0,
    kCutter = 1u << 1,
    kTaxPerItemAtConnect = 1u << 2,
    kPauseBeforeCancel = 1u << 3,
    kPauseAfterOpen = 1u << 4,
    // Of a model.
    kTableMode = 1u << 5,
    kWeighedNameInTapeLines = 1u << 6,
    kAccessLevels = 1u << 7,
    kReceiptCounter = 1u << 8,
    kCodedArticles = 1u << 9,  // in article mode 2
    kDeviceOptions = 1u << 10,
    kCutterQuery = 1u << 11,
    kPartialCut = 1u << 12,
    kLogo = 1u << 13,
    kLineSpacing = 1u << 14,
    kDiscountPrintMode = 1u << 15,
    kZeroZReport = 1u << 16,
    kTapeMode = 1u << 17,
    kCompoundTax = 1u << 18,
    kBarcode = 1u << 19,
};

// The commands family 1 model 8 alone knows.
constexpr std::uint32_t kModel8Commands = kDeviceOptions | kCutterQuery | kPartialCut | kLogo |
                                          kLineSpacing | kDiscountPrintMode | kZeroZReport |
                                          kTapeMode | kCompoundTax | kBarcode;

// The article limit of a model that sets none of its own: the register's is kept.
constexpr std::int32_t kOwnArticleLimit = 0;

// What a model prints and takes.
struct ModelRow {
    std::size_t headerWidth;   // header and footer line
    int nameWidth;             // item name
    std::size_t continuation;  // of a long name after the line command
    std::int32_t articleLimit;
    std::uint32_t features;
};

struct FamilyRow {
    std::int32_t family;
    std::size_t departmentLength;  // of "PREP"
    std::uint32_t features;
    ModelRow otherModels;  // a model of the family the model table does not name
};

struct ModelTableRow {
    std::int32_t family;
    std::int32_t model;
    ModelRow row;
};

// Family 0 prints narrow lines and drops the rest of a long name; family 1 knows the tax names
// and the cutter.
// clang-format off
constexpr FamilyRow kFamilies[] = {
    // family, department, features, {header, name, continuation, articles, features}
    {0,  2, kTaxPerItemAtConnect | kPauseBeforeCancel | kPauseAfterOpen,
            {18, 36,  0, kOwnArticleLimit, 0}},
    {1, 15, kTaxNames | kCutter,
            {36, 36, 24,  1999, 0}},
};
// clang-format on

// Models 3 to 8 switch to table mode at connect and lay a weighed good's long name out in
// whole tape lines.
constexpr std::uint32_t kTableModel = kTableMode | kWeighedNameInTapeLines;

// One row per model the console tells apart (model 5 is never derived, but its limits are
// known). A new model is one row here, its recognition in DeriveFamilyAndModel and a profile
// of the simulated register.
// clang-format off
constexpr ModelTableRow kModels[] = {
    // family, model, {header, name, continuation, articles, features}
    {0, 0, {18, 36,  0, kOwnArticleLimit, 0}},
    {0, 1, {18, 36,  0,  1999, 0}},
    {1, 2, {36, 36, 24,  1999, 0}},
    {1, 3, {43, 41, 29,  9999, kTableModel}},
    {1, 4, {43, 41, 29,  9999, kTableModel}},
    {1, 5, {43, 41, 29,  9999, kTableModel | kReceiptCounter | kCodedArticles}},
    {1, 6, {43, 41, 29,  9999, kTableModel | kReceiptCounter | kCodedArticles}},
    {1, 7, {43, 41, 29,  4999, kTableModel | kAccessLevels}},
    {1, 8, {43, 41, 29, 20688, kTableModel | kReceiptCounter | kCodedArticles | kModel8Commands}},
};
// clang-format on

// A model with coded articles, in article mode 2: long names, nine-digit articles, six-digit
// quantities.
constexpr std::int32_t kCodedArticleMode = 2;
constexpr int kCodedNameWidth = 116;
constexpr std::size_t kCodedContinuation = 104;
constexpr std::int32_t kCodedArticleLimit = 999999999;
constexpr std::int32_t kLineQuantityLimit = 99999;
constexpr std::int32_t kCodedLineQuantityLimit = 999999;

}  // namespace

RegisterCapabilities CapabilitiesOf(std::int32_t family, std::int32_t model,
                                    std::int32_t articleMode) {
    RegisterCapabilities caps;
    caps.family = family;
    caps.model = model;
    caps.articleMode = articleMode;

    const FamilyRow* familyRow = nullptr;
    for (const FamilyRow& row : kFamilies) {
        if (row.family == family) {
            familyRow = &row;
        }
    }
    if (!familyRow) {
        // The register is not known: the defaults.
        return caps;
    }
    ModelRow modelRow = familyRow->otherModels;
    for (const ModelTableRow& row : kModels) {
        if (row.family == family && row.model == model) {
            modelRow = row.row;
        }
    }
    const std::uint32_t features = familyRow->features | modelRow.features;
    const auto has = [features](Feature feature) { return (features & feature) != 0; };

    caps.codedArticles = has(kCodedArticles) && articleMode == kCodedArticleMode;
    caps.headerTextWidth = modelRow.headerWidth;
    caps.itemNameWidth = caps.codedArticles ? kCodedNameWidth : modelRow.nameWidth;
    if (caps.codedArticles) {
        caps.articleLimit = kCodedArticleLimit;
    } else if (modelRow.articleLimit != kOwnArticleLimit) {
        caps.articleLimit = modelRow.articleLimit;
    }
    caps.maxLineQuantity = caps.codedArticles ? kCodedLineQuantityLimit : kLineQuantityLimit;
    caps.nameContinuationLimit = caps.codedArticles ? kCodedContinuation : modelRow.continuation;
    caps.weighedNameInTapeLines = has(kWeighedNameInTapeLines);
    caps.departmentLength = familyRow->departmentLength;

    caps.taxNames = has(kTaxNames);
    caps.deviceOptions = has(kDeviceOptions);
    caps.receiptCounter = has(kReceiptCounter);
    caps.accessLevels = has(kAccessLevels);
    caps.tableMode = has(kTableMode);
    caps.taxPerItemAtConnect = has(kTaxPerItemAtConnect);
    caps.pauseBeforeCancel = has(kPauseBeforeCancel);
    caps.pauseAfterOpen = has(kPauseAfterOpen);

    caps.cutter = has(kCutter);
    caps.cutterQuery = has(kCutterQuery);
    caps.partialCut = has(kPartialCut);
    caps.logo = has(kLogo);
    caps.lineSpacing = has(kLineSpacing);
    caps.discountPrintMode = has(kDiscountPrintMode);
    caps.zeroZReport = has(kZeroZReport);
    caps.tapeMode = has(kTapeMode);
    caps.compoundTax = has(kCompoundTax);
    caps.barcode = has(kBarcode);
    return caps;
}

}  // namespace orvik::device
