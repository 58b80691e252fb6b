#version 440
// Cuts the source to a rounded rectangle with an anti-aliased edge.
layout(location = 0) in vec2 qt_TexCoord0;
layout(location = 0) out vec4 fragColor;
layout(std140, binding = 0) uniform buf {
    mat4 qt_Matrix;
    float qt_Opacity;
    vec2 itemSize;
    float radius;
};
layout(binding = 1) uniform sampler2D source;

void main()
{
    vec2 p = qt_TexCoord0 * itemSize - itemSize * 0.5;
    vec2 q = abs(p) - itemSize * 0.5 + vec2(radius);
    float d = length(max(q, 0.0)) + min(max(q.x, q.y), 0.0) - radius;
    float a = 1.0 - smoothstep(-0.5, 0.5, d);
    fragColor = texture(source, qt_TexCoord0) * a * qt_Opacity;
}
