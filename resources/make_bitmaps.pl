#!/usr/bin/perl
# Writes the main program's bitmaps and icon into the folder given:
#   toolbar.bmp  bitmap 105, 28 images of 16 x 16 side by side, magenta mask
#   ok.bmp       bitmap 122, the 50 x 20 face of the "확인" button
#   cancel.bmp   bitmap 372, the 50 x 20 face of the "취소" button (at the end)
#   quillon.ico  icon 101, 32 x 32 and 16 x 16
#   faces/N.bmp  the faces of the main window's buttons and the strips of its
#                small image lists (bitmaps/Faces.pm), with faces.rc naming
#                them for the resource script and faces.h for the code
# The pictures are drawn here as text, one character per pixel.
use strict;
use warnings;
use FindBin;
use lib "$FindBin::Bin/bitmaps";

use Faces;

my $out = shift or die "usage: make_bitmaps.pl OUTPUT_DIR\n";
-d $out or mkdir $out or die "cannot make $out: $!\n";

my %palette = (
    '.' => [255, 0, 255],   # mask
    'k' => [0, 0, 0],
    'w' => [255, 255, 255],
    'g' => [128, 128, 128],
    'l' => [192, 192, 192],
    'r' => [200, 30, 30],
    'b' => [40, 80, 192],
    'n' => [16, 44, 99],
    'y' => [240, 208, 0],
    'G' => [30, 150, 40],
    'o' => [200, 120, 40],
    'c' => [90, 180, 230],
    'p' => [240, 192, 144],
);

# ---- pictures of the toolbar ------------------------------------------------

my %base = (
    person => [qw(
        ................ .....kkkkk...... ....kpppppk..... ....kpppppk.....
        ....kpppppk..... ....kpppppk..... .....kpppk...... ......kkk.......
        ...kkbbbbbkk.... ..kbbbbbbbbbk... ..kbbbbbbbbbk... ..kbbbbbbbbbk...
        ..kbbbbbbbbbk... ..kkkkkkkkkkk... ................ ................)],
    page => [qw(
        ................ ..kkkkkkkk...... ..kwwwwwwkk..... ..kwwwwwwkwk....
        ..kwggggwkkkk... ..kwwwwwwwwwk... ..kwggggggwwk... ..kwwwwwwwwwk...
        ..kwggggggwwk... ..kwwwwwwwwwk... ..kwggggggwwk... ..kwwwwwwwwwk...
        ..kwwwwwwwwwk... ..kwwwwwwwwwk... ..kkkkkkkkkkk... ................)],
    calendar => [qw(
        ................ ...kk....kk..... .kkkkkkkkkkkkk.. .krrrrrrrrrrrk..
        .krrrrrrrrrrrk.. .kkkkkkkkkkkkk.. .kwwwwwwwwwwwk.. .kwgwgwgwgwgwk..
        .kwwwwwwwwwwwk.. .kwgwgwgwgwgwk.. .kwwwwwwwwwwwk.. .kwgwgwgwgwgwk..
        .kwwwwwwwwwwwk.. .kkkkkkkkkkkkk.. ................ ................)],
    today => [qw(
        ................ ...kk....kk..... .kkkkkkkkkkkkk.. .krrrrrrrrrrrk..
        .krrrrrrrrrrrk.. .kkkkkkkkkkkkk.. .kwwwwwwwwwwwk.. .kwgwgwgwgwgwk..
        .kwwwwwwwwwwwk.. .kwgwgwkkkwgwk.. .kwwwwwkrkwwwk.. .kwgwgwkkkwgwk..
        .kwwwwwwwwwwwk.. .kkkkkkkkkkkkk.. ................ ................)],
    clipboard => [qw(
        ................ ......kkkk...... ..kkkkkwwkkkkk.. ..kookkkkkkook..
        ..kowwwwwwwwok.. ..kowGwwggggok.. ..kowwwwwwwwok.. ..kowGwwggggok..
        ..kowwwwwwwwok.. ..kowGwwggggok.. ..kowwwwwwwwok.. ..kowwwwwwwwok..
        ..kooooooooook.. ..kkkkkkkkkkkk.. ................ ................)],
    mobile => [qw(
        ..........k..... ..........k..... .....kkkkkkk.... .....kccccck....
        .....kccccck.... .....kccccck.... .....kkkkkkk.... .....kgwgwgk....
        .....kgggggk.... .....kgwgwgk.... .....kgggggk.... .....kgwgwgk....
        .....kgggggk.... .....kkkkkkk.... ................ ................)],
    home => [qw(
        ................ .......kk....... ......krrk...... .....krrrrk.....
        ....krrrrrrk.... ...krrrrrrrrk... ..kkkkkkkkkkkk.. ...kwwwwwwwwk...
        ...kwccwwwwwk... ...kwccwwoowk... ...kwwwwwoowk... ...kwwwwwoowk...
        ...kwwwwwoowk... ...kkkkkkkkkk... ................ ................)],
    office => [qw(
        ................ ....kkkkkkkk.... ....kllllllk.... ....klcllclk....
        ....kllllllk.... ....klcllclk.... ....kllllllk.... ....klcllclk....
        ....kllllllk.... ....klcllclk.... ....kllllllk.... ....kllkkllk....
        ....kllkkllk.... ..kkkkkkkkkkkk.. ................ ................)],
    envelope => [qw(
        ................ ................ ................ .kkkkkkkkkkkkkk.
        .kwkwwwwwwwwkwk. .kwwkwwwwwwkwwk. .kwwwkwwwwkwwwk. .kwwwwkwwkwwwwk.
        .kwwwwwkkwwwwwk. .kwwwwwwwwwwwwk. .kwwwwwwwwwwwwk. .kwwwwwwwwwwwwk.
        .kkkkkkkkkkkkkk. ................ ................ ................)],
    card => [qw(
        ................ ................ .kkkkkkkkkkkkkk. .kbbbbbbbbbbbbk.
        .kwwwwwwwwwwwwk. .kwppwwggggggwk. .kwppwwwwwwwwwk. .kwppwwggggwwwk.
        .kwwwwwwwwwwwwk. .kwggggggggggwk. .kwwwwwwwwwwwwk. .kwggggggggwwwk.
        .kwwwwwwwwwwwwk. .kkkkkkkkkkkkkk. ................ ................)],
    up => [qw(
        ................ .......k........ ......kbk....... .....kbbbk......
        ....kbbbbbk..... ...kbbbbbbbk.... ..kkkkbbbkkkk... .....kbbbk......
        .....kbbbk...... .....kbbbk...... .....kbbbk...... .....kbbbk......
        .....kkkkk...... ................ ................ ................)],
    back => [qw(
        ................ ................ ....k........... ...kbk..........
        ..kbbkkkkkkk.... .kbbbbbbbbbbk... ..kbbkkkkkkbbk.. ...kbk.....kbk..
        ....k......kbk.. ...........kbk.. ..........kbbk.. .....kkkkkbbk...
        .....kbbbbbk.... .....kkkkkk..... ................ ................)],
    left => [qw(
        ................ ................ ...........k.... ..........kk....
        .........kbk.... ........kbbk.... .......kbbbk.... ......kbbbbk....
        ......kbbbbk.... .......kbbbk.... ........kbbk.... .........kbk....
        ..........kk.... ...........k.... ................ ................)],
    check => [qw(
        ................ ................ .............k.. ............kGk.
        ...........kGGk. ..........kGGk.. ..k......kGGk... .kGk....kGGk....
        .kGGk..kGGk..... ..kGGkkGGk...... ...kGGGGk....... ....kGGk........
        .....kk......... ................ ................ ................)],
    blank => [('................') x 16],
);

# 7 x 7 marks drawn over a picture's lower right corner.
my %mark = (
    plus   => [qw(..kkk.. ..kGk.. kkkGkkk kGGGGGk kkkGkkk ..kGk.. ..kkk..)],
    pencil => [qw(.....kk ....kyk ...kyk. ..kyk.. .kyk... kkk.... kk.....)],
    cross  => [qw(kk...kk krk.krk .krkrk. ..krk.. .krkrk. krk.krk kk...kk)],
    go     => [qw(...k... ...kk.. kkkkbk. kbbbbbk kkkkbk. ...kk.. ...k...)],
);

sub mirror { [map { scalar reverse $_ } @{$_[0]}] }
sub flip   { [reverse @{$_[0]}] }

sub marked {
    my ($picture, $mark) = @_;
    my @rows = @$picture;
    my @m = @{$mark{$mark}};
    for my $y (0 .. 6) {
        for my $x (0 .. 6) {
            my $c = substr($m[$y], $x, 1);
            substr($rows[9 + $y], 9 + $x, 1) = $c if $c ne '.';
        }
    }
    return \@rows;
}

# The toolbar images by index; the ones not listed stay empty.
my %toolbar = (
    0  => marked($base{person}, 'plus'),
    1  => marked($base{person}, 'pencil'),
    2  => marked($base{person}, 'cross'),
    3  => $base{mobile},
    6  => $base{envelope},
    7  => $base{card},
    8  => $base{up},
    9  => flip($base{up}),
    10 => $base{back},
    14 => $base{left},
    15 => mirror($base{left}),
    16 => $base{today},
    17 => marked($base{page}, 'plus'),
    18 => marked($base{page}, 'pencil'),
    19 => marked($base{page}, 'cross'),
    20 => $base{check},
    21 => marked($base{person}, 'go'),
    22 => marked($base{calendar}, 'go'),
    23 => marked($base{clipboard}, 'go'),
    25 => $base{home},
    26 => $base{office},
);

# ---- the "확인" button ---------------------------------------------------------

my @hwak = qw(
    ..x......x.. xxxxx....x.. .xxx.....x.. x...x....xxx .xxx.....x.. ..x......x..
    xxxxx....x.. .........x.. xxxxxxxxx... ........x... ........x... ........x...);
my @in = qw(
    .xxx....x... x...x...x... x...x...x... x...x...x... .xxx....x... ........x...
    ........x... .x.......... .x.......... .x.......... .xxxxxxxx... ............);

sub button_face {
    my ($w, $h) = (50, 20);
    my @px;
    for my $y (0 .. $h - 1) {
        for my $x (0 .. $w - 1) {
            my $edge = $x == 0 || $y == 0 || $x == $w - 1 || $y == $h - 1;
            my $light = $x == 1 || $y == 1;
            my $shade = $x == $w - 2 || $y == $h - 2;
            $px[$y][$x] = $edge ? [16, 44, 99] : $light ? [255, 255, 255] : $shade ? [120, 140, 180]
                                                                                     : [200, 212, 236];
        }
    }
    my ($top, $left) = (4, 11);
    for my $glyph ([\@hwak, $left], [\@in, $left + 15]) {
        my ($rows, $x0) = @$glyph;
        for my $y (0 .. $#$rows) {
            for my $x (0 .. length($rows->[$y]) - 1) {
                $px[$top + $y][$x0 + $x] = [0, 0, 0] if substr($rows->[$y], $x, 1) eq 'x';
            }
        }
    }
    return ($w, $h, \@px);
}

# ---- writers -----------------------------------------------------------------

sub write_bmp {
    my ($path, $w, $h, $px) = @_;
    my $stride = ($w * 3 + 3) & ~3;
    my $data = '';
    for my $y (reverse 0 .. $h - 1) {
        my $row = join '', map { pack 'C3', $_->[2], $_->[1], $_->[0] } @{$px->[$y]};
        $data .= $row . ("\0" x ($stride - $w * 3));
    }
    my $header = pack('a2 V v v V', 'BM', 54 + length $data, 0, 0, 54)
               . pack('V l l v v V V l l V V', 40, $w, $h, 1, 24, 0, length $data, 2835, 2835, 0, 0);
    open my $f, '>:raw', $path or die "cannot write $path: $!\n";
    print $f $header, $data;
    close $f;
}

sub toolbar_strip {
    my ($count, $size) = (28, 16);
    my @px;
    for my $i (0 .. $count - 1) {
        my $rows = $toolbar{$i} // $base{blank};
        @$rows == $size or die "toolbar image $i has " . scalar(@$rows) . " rows\n";
        for my $y (0 .. $size - 1) {
            length($rows->[$y]) == $size or die "toolbar image $i row $y is not $size wide\n";
            for my $x (0 .. $size - 1) {
                my $c = substr($rows->[$y], $x, 1);
                my $rgb = $palette{$c} or die "toolbar image $i: unknown colour '$c'\n";
                $px[$y][$i * $size + $x] = $rgb;
            }
        }
    }
    return ($count * $size, $size, \@px);
}

# The icon: a navy diary with white pages and a red ribbon; [r, g, b, a].
sub diary_pixels {
    my ($n) = @_;
    my $s = $n / 32;
    my @px;
    for my $y (0 .. $n - 1) {
        for my $x (0 .. $n - 1) {
            my ($u, $v) = ($x / $s, $y / $s);
            my $p = [0, 0, 0, 0];
            if ($u >= 5 && $u < 28 && $v >= 3 && $v < 30) {
                $p = [16, 44, 99, 255];
                $p = [255, 255, 255, 255] if $u >= 24 && $v >= 5 && $v < 28;
                $p = [99, 125, 165, 255] if $u >= 5 && $u < 8;
                $p = [255, 255, 255, 255] if $u >= 11 && $u < 21 && $v >= 8 && $v < 13;
                $p = [200, 30, 30, 255] if $u >= 17 && $u < 20 && $v >= 20;
            }
            $px[$y][$x] = $p;
        }
    }
    return \@px;
}

sub icon_image {
    my ($n) = @_;
    my $px = diary_pixels($n);
    my $xor = '';
    my $and = '';
    my $mask_stride = (($n + 31) >> 5) * 4;
    for my $y (reverse 0 .. $n - 1) {
        my @bits = (0) x ($mask_stride * 8);
        for my $x (0 .. $n - 1) {
            my ($r, $g, $b, $a) = @{$px->[$y][$x]};
            $xor .= pack 'C4', $b, $g, $r, $a;
            $bits[$x] = $a ? 0 : 1;
        }
        $and .= pack 'B*', join '', @bits;
    }
    my $header = pack('V l l v v V V l l V V', 40, $n, 2 * $n, 1, 32, 0, length($xor) + length($and), 0, 0, 0, 0);
    return $header . $xor . $and;
}

sub write_icon {
    my ($path, @sizes) = @_;
    my @images = map { icon_image($_) } @sizes;
    my $offset = 6 + 16 * @sizes;
    my $dir = pack 'v3', 0, 1, scalar @sizes;
    for my $i (0 .. $#sizes) {
        $dir .= pack 'C4 v2 V2', $sizes[$i], $sizes[$i], 0, 0, 1, 32, length $images[$i], $offset;
        $offset += length $images[$i];
    }
    open my $f, '>:raw', $path or die "cannot write $path: $!\n";
    print $f $dir, @images;
    close $f;
}

sub write_faces {
    my ($dir) = @_;
    -d "$dir/faces" or mkdir "$dir/faces" or die "cannot make $dir/faces: $!\n";
    my @faces = sort { $a->[0] <=> $b->[0] } (Faces::all(), Faces::image_strips());
    my (%number, %name);
    for my $face (@faces) {
        my ($number, $name, $picture) = @$face;
        die "bitmap $number drawn twice\n" if $number{$number}++;
        die "name $name given twice\n" if $name{$name}++;
        write_bmp("$dir/faces/$number.bmp", $picture->width, $picture->height, $picture->pixels);
    }
    my $generated = 'Written by make_bitmaps.pl; change the pictures there.';
    open my $rc, '>:raw', "$dir/faces.rc" or die "cannot write $dir/faces.rc: $!\n";
    print $rc "// $generated\n";
    printf $rc "%-4d BITMAP \"resources/faces/%d.bmp\"\n", $_->[0], $_->[0] for @faces;
    close $rc;
    open my $h, '>:raw', "$dir/faces.h" or die "cannot write $dir/faces.h: $!\n";
    print $h "// The bitmaps of the main window's button faces and image lists.\n// $generated\n#pragma once\n\n";
    printf $h "#define IDB_%-28s %d  // %d x %d\n", $_->[1], $_->[0], $_->[2]->width, $_->[2]->height for @faces;
    close $h;
}

write_bmp("$out/toolbar.bmp", toolbar_strip());
write_bmp("$out/ok.bmp", button_face());
write_icon("$out/quillon.ico", 32, 16);
write_faces($out);

# ---- the Today item's icon strips (read from \Windows by Glimmor) ---------------
#   Glimmor12.bmp  28 images of 12 x 12: marks of the rows (reminder, importance,
#                  months 1-12 at 6-17, scroll arrows at 18-19, task boxes at
#                  24-25, recurring at 26, memo at 27)
#   Glimmor16.bmp  34 images of 16 x 16: the title bar (program, previous,
#                  today, next), the four view modes and their pressed faces at
#                  4-11, the menu mark at 12, battery, memory and storage at 29-31

sub today_item_bitmaps {
    my ($dir) = @_;
    my %digit = (
        0 => [qw(xxx x.x x.x x.x xxx)], 1 => [qw(.x. xx. .x. .x. xxx)], 2 => [qw(xxx ..x xxx x.. xxx)],
        3 => [qw(xxx ..x .xx ..x xxx)], 4 => [qw(x.x x.x xxx ..x ..x)], 5 => [qw(xxx x.. xxx ..x xxx)],
        6 => [qw(xxx x.. xxx x.x xxx)], 7 => [qw(xxx ..x .x. .x. .x.)], 8 => [qw(xxx x.x xxx x.x xxx)],
        9 => [qw(xxx x.x xxx ..x xxx)],
    );
    my $month = sub {
        my ($m) = @_;
        my @rows = map { my $y = $_; join '', map { ($y == 0 || $y == 11 || $_ == 0 || $_ == 11) ? 'n' : 'w' } 0 .. 11 }
            0 .. 11;
        my @digits = split //, $m;
        my $x0 = @digits == 1 ? 4 : 2;
        for my $d (@digits) {
            for my $y (0 .. 4) {
                for my $x (0 .. 2) {
                    substr($rows[3 + $y], $x0 + $x, 1) = 'r' if substr($digit{$d}[$y], $x, 1) eq 'x';
                }
            }
            $x0 += 4;
        }
        return \@rows;
    };
    my %small = (
        1 => [qw(.....kk..... ....kyyk.... ...kyyyyk... ...kyyyyk... ...kyyyyk... ..kyyyyyyk..
                 ..kyyyyyyk.. .kyyyyyyyyk. .kkkkkkkkkk. .....kk..... ............ ............)],
        2 => [qw(....krrk.... ....krrk.... ....krrk.... ....krrk.... ....krrk.... ....krrk....
                 .....kk..... ............ ....krrk.... ....krrk.... .....kk..... ............)],
        4 => [qw(.....bb..... .....bb..... .....bb..... .....bb..... .....bb..... ..bbbbbbbb..
                 ...bbbbbb... ....bbbb.... .....bb..... ............ ............ ............)],
        18 => [qw(gggggggggggg glllllllllll gllllkklllll glllkkkkllll gllkkkkkklll glkkkkkkkkll
                  glllllllllll glllllllllll glllllllllll glllllllllll glllllllllll gggggggggggg)],
        24 => [qw(............ .kkkkkkkkkk. .kwwwwwwwwk. .kwwwwwwwwk. .kwwwwwwwwk. .kwwwwwwwwk.
                  .kwwwwwwwwk. .kwwwwwwwwk. .kwwwwwwwwk. .kwwwwwwwwk. .kkkkkkkkkk. ............)],
        25 => [qw(............ .kkkkkkkkkk. .kwwwwwwwGk. .kwwwwwwGGk. .kwwwwwGGwk. .kGwwwGGwwk.
                  .kGGwGGwwwk. .kwGGGwwwwk. .kwwGwwwwwk. .kwwwwwwwwk. .kkkkkkkkkk. ............)],
        26 => [qw(............ ....bbbb.... ..bb....b... .b.......b.. .b......bbb. .b.......b..
                  ..b.......b. .bbb......b. ..b.......b. ...b....bb.. ....bbbb.... ............)],
        27 => [qw(.kkkkkkk.... .kwwwwwkk... .kwwwwwkwk.. .kwggggkkkk. .kwwwwwwwk.. .kwggggggk..
                  .kwwwwwwwk.. .kwggggggk.. .kwwwwwwwk.. .kwggggggk.. .kwwwwwwwk.. .kkkkkkkkk..)],
    );
    @{$small{19}} = ($small{18}[0], reverse(@{$small{18}}[1 .. 10]), $small{18}[11]);
    $small{$_ + 5} = $month->($_) for 1 .. 12;

    my %large = (
        0  => [qw(................ ...nnnnnnnnnn... ...nwwwwwwwnw... ...nwnnnnnwnw... ...nwwwwwwwnw...
                  ...nwwwwwwwnw... ...nwnnnnnwnw... ...nwwwwwwwnw... ...nwwwwwwwnw... ...nwwwwwwwnw...
                  ...nwwwwwrwnw... ...nwwwwwrwnw... ...nwwwwwrwnw... ...nnnnnnnnnn... ................
                  ................)],
        1  => [qw(................ ................ .........k...... ........kk...... .......kbk......
                  ......kbbk...... .....kbbbk...... ....kbbbbk...... ....kbbbbk...... .....kbbbk......
                  ......kbbk...... .......kbk...... ........kk...... .........k...... ................
                  ................)],
        2  => [qw(................ ................ .....kkkkkk..... ....kkrrrrkk.... ...kkrrrrrrkk...
                  ...krrrrrrrrk... ...krrrrrrrrk... ...krrrrrrrrk... ...krrrrrrrrk... ...kkrrrrrrkk...
                  ....kkrrrrkk.... .....kkkkkk..... ................ ................ ................
                  ................)],
        12 => [qw(................ ................ ................ ................ ................
                  ...kkkkkkkkk.... ....kkkkkkk..... .....kkkkk...... ......kkk....... .......k........
                  ................ ................ ................ ................ ................
                  ................)],
        29 => [qw(................ ................ ................ ..kkkkkkkkkkk... ..kGGGGGGGwwk...
                  ..kGGGGGGGwwkk.. ..kGGGGGGGwwkk.. ..kGGGGGGGwwkk.. ..kGGGGGGGwwk... ..kkkkkkkkkkk...
                  ................ ................ ................ ................ ................
                  ................)],
        30 => [qw(................ ...k.k.k.k.k.... ...k.k.k.k.k.... ..kkkkkkkkkkk... ..kgggggggggk...
                  ..kgkkkgkkkgk... ..kgkkkgkkkgk... ..kgggggggggk... ..kkkkkkkkkkk... ...k.k.k.k.k....
                  ...k.k.k.k.k.... ................ ................ ................ ................
                  ................)],
        31 => [qw(................ ....kkkkkkk..... ...kbbbbbbbk.... ..kbybybybbk.... ..kbybybybbk....
                  ..kbbbbbbbbk.... ..kbbbbbbbbk.... ..kbwwwwwwbk.... ..kbwwwwwwbk.... ..kbbbbbbbbk....
                  ..kkkkkkkkkk.... ................ ................ ................ ................
                  ................)],
    );
    $large{3} = [map { scalar reverse $_ } @{$large{1}}];
    my %mode = (
        0 => [qw(................ ..kkkkkkkkkkkk.. ..krrrrrrrrrrk.. ..kkkkkkkkkkkk.. ..kwkwkwkwkwkk..
                 ..kkkkkkkkkkkk.. ..kwkwkwkwkwkk.. ..kkkkkkkkkkkk.. ..kwkwkwkwkwkk.. ..kkkkkkkkkkkk..
                 ..kwkwkwkwkwkk.. ..kkkkkkkkkkkk.. ................ ................ ................
                 ................)],
        1 => [qw(................ ..kkkkkkkkkkkk.. ..kbbbbbbbbbbk.. ..kkkkkkkkkkkk.. ..kwwwwwwwwwwk..
                 ..kwrrwwwwwwwk.. ..kwwwwwwwwwwk.. ..kwwwwwrrwwwk.. ..kwwwwwwwwwwk.. ..kwwrrwwwwwwk..
                 ..kwwwwwwwwwwk.. ..kkkkkkkkkkkk.. ................ ................ ................
                 ................)],
        2 => [qw(................ ..kkkkkkkkkk.... ..kwwwwwwwwk.... ..kwwwwwwwGk.... ..kwwwwwwGGk....
                 ..kGwwwwGGwk.... ..kGGwwGGwwk.... ..kwGGGGwwwk.... ..kwwGGwwwwk.... ..kwwwwwwwwk....
                 ..kkkkkkkkkk.... ................ ................ ................ ................
                 ................)],
        3 => [qw(................ ..kkkkkkkkk..... ..kwwwwwwwkk.... ..kwwwwwwwkwk... ..kwggggwkkkk...
                 ..kwwwwwwwwwk... ..kwgggggggwk... ..kwwwwwwwwwk... ..kwgggggggwk... ..kwwwwwwwwwk...
                 ..kkkkkkkkkkk... ................ ................ ................ ................
                 ................)],
    );
    for my $view (0 .. 3) {
        $large{4 + 2 * $view} = $mode{$view};
        $large{5 + 2 * $view} = [map { (my $r = $_) =~ tr/./c/; $r } @{$mode{$view}}];
    }

    my $strip = sub {
        my ($pictures, $count, $size, $name) = @_;
        my @px;
        for my $i (0 .. $count - 1) {
            my $rows = $pictures->{$i} // [('.' x $size) x $size];
            @$rows == $size or die "$name image $i has " . scalar(@$rows) . " rows\n";
            for my $y (0 .. $size - 1) {
                length($rows->[$y]) == $size or die "$name image $i row $y is not $size wide\n";
                for my $x (0 .. $size - 1) {
                    my $c = substr($rows->[$y], $x, 1);
                    my $rgb = $palette{$c} or die "$name image $i: unknown colour '$c'\n";
                    $px[$y][$i * $size + $x] = $rgb;
                }
            }
        }
        return ($count * $size, $size, \@px);
    };
    write_bmp("$dir/Glimmor12.bmp", $strip->(\%small, 28, 12, 'Glimmor12'));
    write_bmp("$dir/Glimmor16.bmp", $strip->(\%large, 34, 16, 'Glimmor16'));
}

today_item_bitmaps($out);

# ---- the "취소" button of the backup dialog ------------------------------------
# The "확인" face with its two letters wiped and "취소" drawn in their place.

my @chwi = qw(
    ..x......x.. xxxxx....x.. ..x......x.. .x.x.....x.. x...x....x.. .........x..
    xxxxxxx..x.. ...x.....x.. ...x.....x.. .........x.. .........x.. ............);
my @so = qw(
    ....x....... ...x.x...... ..x...x..... .x.....x.... x.......x... ............
    ....x....... ....x....... xxxxxxxxx... ............ ............ ............);

sub cancel_face {
    my ($w, $h, $px) = button_face();
    my ($top, $left, $step, $size) = (4, 11, 15, 12);
    my $fill = $px->[2][2];
    for my $y ($top .. $top + $size - 1) {
        $px->[$y][$_] = $fill for $left .. $left + $step + $size - 1;
    }
    for my $glyph ([\@chwi, $left], [\@so, $left + $step]) {
        my ($rows, $x0) = @$glyph;
        for my $y (0 .. $#$rows) {
            for my $x (0 .. length($rows->[$y]) - 1) {
                $px->[$top + $y][$x0 + $x] = [0, 0, 0] if substr($rows->[$y], $x, 1) eq 'x';
            }
        }
    }
    return ($w, $h, $px);
}

write_bmp("$out/cancel.bmp", cancel_face());
