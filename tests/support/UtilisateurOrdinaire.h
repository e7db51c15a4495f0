// File permissions as a player meets them: the administrator writes through them all, so a test
// run as root plays its part as the user "nobody" in a child process.
#pragma once

#ifndef _WIN32

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cogitelle::test {

constexpr uid_t UtilisateurNobody = 65534;

// Runs `corps` as an ordinary user: directly when the tests are not run as root; otherwise in a
// child process that first gives `dossier` to "nobody", then becomes "nobody". The child's failed
// checks are printed by the child and fail the test in the parent.
inline void EnUtilisateurOrdinaire(const std::filesystem::path& dossier, const std::function<void()>& corps)
{
    if (::geteuid() != 0) {
        corps();
        return;
    }
    ASSERT_EQ(::chown(dossier.c_str(), UtilisateurNobody, UtilisateurNobody), 0);
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t enfant = ::fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(UtilisateurNobody) != 0 || ::setuid(UtilisateurNobody) != 0)
            std::_Exit(3);
        corps();
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int statut = 0;
    ASSERT_EQ(::waitpid(enfant, &statut, 0), enfant);
    EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0)
        << "the part run as nobody failed (wait status " << statut << ")";
}

} // namespace cogitelle::test

#endif
