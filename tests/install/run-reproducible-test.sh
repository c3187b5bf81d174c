#!/usr/bin/env bash
# Makes every release artefact with tools/release three times and compares
# their SHA256SUMS: every package must come out byte for byte the same
# whoever builds it, wherever, and from the source tarball as from git.
#
#   1. in a copy of this checkout, once refused while it holds an
#      untracked file;
#   2. in a copy in a folder of another name, as another user (nobody,
#      where this runs as root) under umask 077;
#   3. from the source tarball of the first, unpacked, with no history.
#
# The checks of each package's contents run in the suite of its build.
#
#   run-reproducible-test.sh
set -u
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"  # for the other user
. "$here/../lib.sh"

# The checkout as it stands, uncommitted changes included: committed in the
# copy, at the time of the last commit and by one name, so that each copy
# holds the same commit and the source tarball what its packages are built
# from.
copy_checkout() {  # FOLDER
    mkdir -p "$1"
    (cd "$source" && git ls-files -z --cached --others --exclude-standard |
        xargs -0 cp --parents -t "$1" 2>/dev/null; cp -a .git "$1/")
    (cd "$1" && git add -A && git diff --cached --quiet ||
        GIT_AUTHOR_DATE=@$(git log -1 --format=%ct) GIT_COMMITTER_DATE=@$(git log -1 --format=%ct) \
            git -c user.name=times-table -c user.email=developers@times-table.invalid \
            commit -q -m "uncommitted changes" --no-verify)
}

release() {  # FOLDER [COMMAND-PREFIX...]
    local folder=$1
    shift
    (cd "$folder" && "$@" tools/release >"$work/release.log" 2>&1) ||
        { cat "$work/release.log"; echo "FAIL tools/release in $folder"; exit 1; }
}

copy_checkout "$work/first"
echo 'not part of any commit' >"$work/first/untracked-file"
expect "tools/release refuses a tree that is not its commit, naming what differs, and makes nothing" eval \
    '! said=$(cd "$work/first" && tools/release 2>&1) && [[ $said == *"?? untracked-file"* && ! -e $work/first/build ]]'
rm "$work/first/untracked-file"
release "$work/first"

copy_checkout "$work/second-release-elsewhere"
if [ "$(id -u)" = 0 ]; then
    chown -R nobody: "$work/second-release-elsewhere"
    mkdir "$work/home" && chown nobody: "$work/home"
    release "$work/second-release-elsewhere" setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env HOME="$work/home" bash -c 'umask 077 && exec "$@"' umask-077
else
    not_tried "the second release as another user" "this is not root; it is made by this user, under umask 077"
    release "$work/second-release-elsewhere" bash -c 'umask 077 && exec "$@"' umask-077
fi

sums() { cat "$work/$1/dist/SHA256SUMS"; }
tarball=$(cd "$work/first/dist" && ls | grep -E "^times-table-[0-9]+\.[0-9]+\.[0-9]+\.tar\.gz$")
mkdir "$work/from-source" && tar -xzf "$work/first/dist/$tarball" -C "$work/from-source"
unpacked=$(ls -d "$work"/from-source/*)
release "$unpacked"

# Every artefact the release must hold, and nothing else.
artefacts=$(sums first | sed 's/^[0-9a-f]*  //' | sed -E 's/[0-9]+\.[0-9]+\.[0-9]+/VERSION/' | tr '\n' ' ')
expected="times-table-VERSION-linux-aarch64.tar.gz times-table-VERSION-linux-x86_64.tar.gz \
times-table-VERSION-web.zip times-table-VERSION-win64-setup.exe times-table-VERSION-win64.zip times-table-VERSION.tar.gz times-table_VERSION_amd64.deb times-table_VERSION_arm64.deb "
expect "the release holds every artefact, and nothing else: $artefacts" [ "$artefacts" = "$expected" ]
expect "two releases of one commit are the same" diff <(sums first) <(sums second-release-elsewhere)
expect "the release made from the source tarball is the same" diff <(sums first) "$unpacked/dist/SHA256SUMS"
expect "SHA256SUMS verifies" eval '(cd "$work/first/dist" && sha256sum --quiet -c SHA256SUMS)'
listing=$(tar -tzf "$work/first/dist/$tarball")
expect "the source tarball holds nothing that no commit does" eval '! grep -Eq "/(untracked-file|\.git)\$" <<<"$listing"'
expect "the source tarball holds the commit's files and the commit's time" \
    [ "$(grep -vc '/$' <<<"$listing")" = "$(cd "$work/first" && git ls-files | wc -l | awk '{ print $1 + 1 }')" ]
for deb in "$work"/first/dist/*.deb; do
    expect "every folder of ${deb##*/} is 0755" eval '! dpkg-deb -c "$deb" | grep -E "^d" | grep -v "^drwxr-xr-x"'
done

[ "$failures" = 0 ] && echo "three releases, as two users and from the source tarball, give the same $(sums first | wc -l) artefacts"
finish
