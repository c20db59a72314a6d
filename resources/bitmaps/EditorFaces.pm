# The faces of the item editors' owner-drawn buttons (50 x 20, like the
# "확인" button) and the two small pictures at the foot of the editors.
package EditorFaces;

use strict;
use warnings;
use utf8;

use Canvas;

my $NAVY   = [16, 44, 99];
my $WHITE  = [255, 255, 255];
my $SHADE  = [120, 140, 180];
my $FILL   = [200, 212, 236];
my $UPDATE = [214, 232, 206];  # an update's faces are green-tinted
my $UPDATE_SHADE = [120, 160, 110];
my $BLACK  = [0, 0, 0];

# A 50 x 20 button face with the text centred.
sub button {
    my ($text, $update) = @_;
    my $c = Canvas->new(50, 20, $update ? $UPDATE : $FILL);
    $c->hline(1, 48, 1, $WHITE);
    $c->vline(1, 1, 18, $WHITE);
    $c->hline(1, 48, 18, $update ? $UPDATE_SHADE : $SHADE);
    $c->vline(48, 1, 18, $update ? $UPDATE_SHADE : $SHADE);
    $c->frame(0, 0, 49, 19, $NAVY);
    $c->text_centred($text, 1, 48, 10, $BLACK);
    return $c;
}

# A pen over a lined page, and a narrow ribbon: the editors' foot.
sub pen_picture {
    my $c = Canvas->new(20, 20, $WHITE);
    $c->frame(1, 1, 18, 18, $SHADE);
    $c->hline(4, 15, $_, $FILL) for (6, 10, 14);
    $c->stamp(8, 3, [qw(.......kk ......kyk .....kyk. ....kyk.. ...kyk... ..kyk.... .kkk..... .kk...... k........)],
              {k => $NAVY, y => [240, 200, 40]});
    return $c;
}

sub ribbon_picture {
    my $c = Canvas->new(12, 20, $WHITE);
    $c->fill(3, 0, 8, 15, [200, 30, 30]);
    $c->stamp(3, 16, [qw(rrrrrr rr..rr r....r)], {r => [200, 30, 30]});
    return $c;
}

# [number, name, picture] of every editor face.
sub all {
    return (
        [229, 'EDITOR_CONTINUE', button('계속등록', 0)],
        [230, 'EDITOR_EXTEND_NEW', button('확장등록', 0)],
        [231, 'EDITOR_OK_NEW', button('등록', 0)],
        [232, 'EDITOR_OK_UPDATE', button('수정', 1)],
        [233, 'EDITOR_EXTEND_UPDATE', button('확장수정', 1)],
        [1244, 'EDITOR_RIBBON', ribbon_picture()],
        [1245, 'EDITOR_PEN', pen_picture()],
    );
}

1;
