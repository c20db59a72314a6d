#!/usr/bin/perl
# Writes the soft-reset tool's icon 101 into the folder given:
#   snapkit.ico  32 x 32 and 16 x 16, 32-bit with alpha
# The picture: a blue arrow turning round a dark dot, drawn by geometry
# so that both sizes come from one description.
use strict;
use warnings;
use POSIX qw(floor);

my $out = shift or die "usage: make_icon.pl OUTPUT_DIR\n";
-d $out or mkdir $out or die "cannot make $out: $!\n";

my $pi = 4 * atan2(1, 1);
my @blue  = (40, 90, 200, 255);
my @dark  = (16, 44, 99, 255);
my @clear = (0, 0, 0, 0);

# The arrow turns clockwise round the ring and ends at the gap's left edge.
my $ring_end = -80;                                    # degrees; 0 right, 90 down
my ($ring_x, $ring_y) = (16, 16);
my ($end_x, $end_y) = ($ring_x + 12 * cos($ring_end * $pi / 180), $ring_y + 12 * sin($ring_end * $pi / 180));
my ($tan_x, $tan_y) = (-sin($ring_end * $pi / 180), cos($ring_end * $pi / 180));
my ($rad_x, $rad_y) = (cos($ring_end * $pi / 180), sin($ring_end * $pi / 180));
my @head = ([$end_x + 7 * $tan_x, $end_y + 7 * $tan_y],
            [$end_x + 5 * $rad_x, $end_y + 5 * $rad_y],
            [$end_x - 5 * $rad_x, $end_y - 5 * $rad_y]);

sub side { my ($p, $a, $b) = @_; ($p->[0] - $b->[0]) * ($a->[1] - $b->[1]) - ($a->[0] - $b->[0]) * ($p->[1] - $b->[1]) }

sub in_triangle {
    my ($p, $a, $b, $c) = @_;
    my ($d1, $d2, $d3) = (side($p, $a, $b), side($p, $b, $c), side($p, $c, $a));
    my $negative = $d1 < 0 || $d2 < 0 || $d3 < 0;
    my $positive = $d1 > 0 || $d2 > 0 || $d3 > 0;
    return !($negative && $positive);
}

# The colour at a point of the 32-unit design square.
sub design_colour {
    my ($u, $v) = @_;
    my ($dx, $dy) = ($u - $ring_x, $v - $ring_y);
    my $r = sqrt($dx * $dx + $dy * $dy);
    my $angle = atan2($dy, $dx) * 180 / $pi;
    return @blue if in_triangle([$u, $v], @head);
    return @blue if $r >= 10 && $r <= 14 && !($angle > $ring_end && $angle < -30);
    return @dark if $r <= 4;
    return @clear;
}

# One image of n x n pixels: the design sampled at each pixel's centre.
sub pixels {
    my ($n) = @_;
    my $scale = 32 / $n;
    my @rows;
    for my $y (0 .. $n - 1) {
        push @rows, [map { [design_colour(($_ + 0.5) * $scale, ($y + 0.5) * $scale)] } 0 .. $n - 1];
    }
    return \@rows;
}

# The icon file's image: a bitmap header, bottom-up BGRA rows, then the mask.
sub image_bytes {
    my ($n) = @_;
    my $rows = pixels($n);
    my ($colour, $mask) = ('', '');
    my $mask_stride = floor(($n + 31) / 32) * 4;
    for my $row (reverse @$rows) {
        $colour .= join '', map { pack 'C4', $_->[2], $_->[1], $_->[0], $_->[3] } @$row;
        my $bits = join '', map { $_->[3] ? '0' : '1' } @$row;
        $mask .= pack("B*", $bits) . ("\0" x ($mask_stride - floor(($n + 7) / 8)));
    }
    my $size = length($colour) + length($mask);
    return pack('V l l v v V V l l V V', 40, $n, 2 * $n, 1, 32, 0, $size, 0, 0, 0, 0) . $colour . $mask;
}

my @sizes = (32, 16);
my @images = map { image_bytes($_) } @sizes;
my $directory = pack 'v3', 0, 1, scalar @sizes;
my $offset = 6 + 16 * @sizes;
for my $i (0 .. $#sizes) {
    $directory .= pack 'C4 v2 V2', $sizes[$i], $sizes[$i], 0, 0, 1, 32, length $images[$i], $offset;
    $offset += length $images[$i];
}
open my $f, '>:raw', "$out/snapkit.ico" or die "cannot write $out/snapkit.ico: $!\n";
print $f $directory, @images;
close $f;
