// The words for WinHTTP error codes.
#include "http/client.h"

#include <gtest/gtest.h>

namespace http = general::windows::http;

TEST(http_error_text, names_the_errors_a_transfer_meets)
{
    EXPECT_EQ(http::error_text(12002), "The request has timed out");
    EXPECT_EQ(http::error_text(12006), "The URL specified a scheme other than \"http:\" or \"https:\"");
    EXPECT_EQ(http::error_text(12019),
              "The requested operation cannot be carried out because the handle supplied is not in the correct state");
    EXPECT_EQ(http::error_text(12029), "The connection to the server failed");
    EXPECT_EQ(http::error_text(12030), "The connection with the server has been reset or terminated");
    EXPECT_EQ(http::error_text(12175),
              "One or more errors were found in the Secure Sockets Layer (SSL) certificate sent by the server");
    EXPECT_EQ(http::error_text(12178), "A proxy for the specified URL cannot be located");
}

TEST(http_error_text, gives_the_digits_of_any_other_code)
{
    EXPECT_EQ(http::error_text(12157), "12157");
    EXPECT_EQ(http::error_text(0), "0");
    EXPECT_EQ(http::error_text(87), "87");
    EXPECT_EQ(http::error_text(4294967295u), "4294967295");
    // Neighbours of known codes are not known.
    EXPECT_EQ(http::error_text(12003), "12003");
    EXPECT_EQ(http::error_text(12176), "12176");
}
