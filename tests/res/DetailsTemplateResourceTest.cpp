// The templates as resources; the filled page itself: details/DetailsDocumentTest.
#include "ResourceTestSupport.h"

#include "format/DetailsTemplate.h"
#include "res/resource.h"
#include "support/LeftPlaceholder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DetailsTemplateResource, EveryTemplateInEveryLanguageFillsEachOfItsPlaceholders) {
    CDetailsFields fields;
    fields.strTitle = "TITLE-VALUE";
    fields.strDevice = "DEVICE-VALUE";
    fields.strCodec = "CODEC-VALUE";
    fields.TotalTime = 3661;
    fields.TimeOnDevice = 600;
    fields.SizeOnDevice = 1572864;
    for (LANGID language : kLanguages) {
        for (const auto& [id, kind] : {std::pair{IDH_SEGMENT_DETAILS, DetailsKind::SEGMENT_DETAILS},
                                       std::pair{IDH_FILE_INFORMATION, DetailsKind::FILE_INFORMATION}}) {
            SCOPED_TRACE(std::string(LanguageName(language)) + " " + std::to_string(id));
            const std::string html = ResourceBytes(MAKEINTRESOURCEA(23), MAKEINTRESOURCEA(id), language);
            ASSERT_FALSE(html.empty());
            EXPECT_EQ(std::string::npos, html.find('\0'));
            EXPECT_NE(std::string::npos, html.find("charset=windows-1252"));
            for (const auto& [placeholder, value] : DetailsValues(kind, fields))
                EXPECT_NE(std::string::npos, html.find(placeholder)) << placeholder << " missing";
            const std::string filled = FillDetailsTemplate(html, kind, fields);
            EXPECT_EQ("", LeftPlaceholder(filled));
            for (const auto& [placeholder, value] : DetailsValues(kind, fields))
                EXPECT_NE(std::string::npos, filled.find(value)) << placeholder << " not filled";
        }
    }
}

}  // namespace
